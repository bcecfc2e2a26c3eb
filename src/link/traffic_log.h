// SPDX-License-Identifier: MIT
#pragma once

#include <QFile>

#include <optional>
#include <string>
#include <string_view>

#include "link/exchange.h"

namespace qm5 {

/// Where the log says it can no longer be written.
class TrafficLogEvents {
  public:
    virtual ~TrafficLogEvents() = default;
    virtual void onLogFailed(const std::string& why) = 0;
};

/// A record of the traffic appended to a file, a line per frame sent and per piece received:
/// local time in ISO 8601 with milliseconds, the port and its device, TX or RX, the monitor text
/// in quotes, the bytes in hex; and a line where a script's frame got no reply. Nothing already in
/// the file is touched. A file removed or renamed (rotated) is noticed at the next line, which
/// starts a new file at the path. A file that cannot be written is told once, and the program
/// goes on without it.
class TrafficLog final : public TrafficRecorder {
  public:
    TrafficLog(const QString& path, TrafficLogEvents& events);

    /// Opens the file for appending; returns why it cannot be, if it cannot.
    std::optional<std::string> open();
    void record(Direction direction, std::string_view port, std::string_view device,
                std::string_view chars) override;
    /// Notes that the frame sent last got no reply within `timeoutMs`.
    void recordNoReply(std::string_view port, std::string_view device, int timeoutMs);

    /// One line of the log, as record writes it.
    static std::string line(std::string_view time, Direction direction, std::string_view port,
                            std::string_view device, std::string_view chars);

  private:
    void append(const std::string& text);
    /// Whether the file open is still the one at the path, not renamed nor removed.
    bool stillAtPath() const;
    void fail(const QString& why);

    QFile file_;
    TrafficLogEvents& events_;
    bool failed_ = false;
};

}  // namespace qm5
