// SPDX-License-Identifier: MIT
#pragma once

#include <QLocalServer>
#include <QObject>

#include <string>
#include <string_view>

#include "app/control_panel.h"
#include "app/script_requests.h"

class QLocalSocket;

namespace qm5 {

/// The local socket of the panel that has `device` open: a full path in the user's private
/// runtime folder, never a name in a folder others can write; named after the device's canonical
/// path, so that every copy of the panel has its own and either name of a device finds it. Empty
/// when the user has no such folder.
QString remoteName(std::string_view device);

/// Scripts reach the running panel through its local socket, so that the device is never opened
/// twice and the operator sees what a script did. A request is one line, "SEND CODE" or "RAW TEXT",
/// served by ScriptRequests; a malformed or oversized request is answered "ERR why" and changes
/// nothing.
class RemoteControl final : public QObject, public PortInUseListener {
  public:
    static constexpr qint64 kLongestRequest = 64;

    explicit RemoteControl(ControlPanel& panel);

    void onPortInUse(std::string_view device, bool open) override;
    /// The traffic the panel records goes on to `log`.
    void logTo(TrafficLog& log) { requests_.logTo(log); }

  private:
    void listen();
    void onNewConnection();
    void onRequest(QLocalSocket* client);

    ScriptRequests requests_;
    QLocalServer server_;
    /// The name to listen on; empty while the port is not open.
    QString wanted_;
};

}  // namespace qm5
