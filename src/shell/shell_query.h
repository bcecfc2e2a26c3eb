// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/failure.h"
#include "link/port_devices.h"
#include "link/qt_device_memory.h"

namespace qm5 {

/// What one frame sent from the shell came to.
struct QueryOutcome {
    enum class Result { Replied, NoReply, CannotOpen, Refused };

    Result result = Result::NoReply;
    int port = 1;
    std::string device;
    /// The frame's text without its CR.
    std::string sent;
    /// The characters received, and as the RXD line shows them.
    std::string replyChars;
    std::string reply;
    /// The status line's words, when the reply decodes to one.
    std::optional<std::string> status;
    /// Why nothing (or nothing usable) came back, and its word.
    QString error;
    Failure failure = Failure::NoReply;

    /// A reply came, whether or not the projector took the frame.
    bool replied() const { return result == Result::Replied || result == Result::Refused; }
    /// 0 a reply came, 1 none came, 3 the device cannot be opened, 4 the projector refused the
    /// frame.
    int exitStatus() const;
};

class OwnLine;

/// Frames from the shell, each sent through the panel that has the port's device open, or else
/// on the device itself, which then stays open for the next frame. A frame goes on as soon as its
/// reply is whole; only silence costs the whole reply timeout.
class ShellQueries {
  public:
    ShellQueries(int port, PortDevices::PerPort commandLine, const QString& logFile);
    ~ShellQueries();

    /// `code` as its button sends it.
    QueryOutcome send(std::string_view code);
    /// `text` and CR, checked by the caller.
    QueryOutcome sendRaw(std::string_view text);

  private:
    QueryOutcome ask(std::string_view text, const QByteArray& request);

    QtDeviceMemory memory_;
    PortDevices devices_;
    int port_;
    QString logFile_;
    /// Opened at the first frame no panel takes.
    std::unique_ptr<OwnLine> own_;
    /// Why no panel could be asked at all, if so.
    QString panelUnreachable_;
};

}  // namespace qm5
