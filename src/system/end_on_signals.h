// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

namespace qm5 {

/// Told from the event loop that an end signal came: it closes the port, so that its lock file
/// goes, and ends the program.
class EndSignalListener {
  public:
    virtual ~EndSignalListener() = default;
    virtual void onEndSignal(int signal) = 0;
};

/// SIGTERM, SIGINT and SIGHUP (a logout, systemctl stop, Ctrl+C) end the program from the event
/// loop, through `listener`. The handler only writes a byte to a socket pair. Does nothing off
/// Unix.
class EndOnSignals final : public QObject {
  public:
    explicit EndOnSignals(EndSignalListener& listener);
    ~EndOnSignals() override;
    EndOnSignals(const EndOnSignals&) = delete;
    EndOnSignals& operator=(const EndOnSignals&) = delete;

  private:
    void onSignal();

    EndSignalListener& listener_;
};

}  // namespace qm5
