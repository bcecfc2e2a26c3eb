// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <functional>

namespace qm5 {

/// SIGTERM, SIGINT and SIGHUP (a logout, systemctl stop, Ctrl+C) end the program from the event
/// loop: `end` is called with the signal's number, and closes the port so that its lock file goes.
/// The handler only writes a byte to a socket pair. Does nothing off Unix.
class EndOnSignals final : public QObject {
  public:
    explicit EndOnSignals(std::function<void(int signal)> end);
    ~EndOnSignals() override;
    EndOnSignals(const EndOnSignals&) = delete;
    EndOnSignals& operator=(const EndOnSignals&) = delete;

  private:
    void onSignal();

    std::function<void(int signal)> end_;
};

}  // namespace qm5
