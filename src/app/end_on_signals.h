// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QEventLoop;

namespace qm5 {

class ControlPanel;

/// SIGTERM, SIGINT and SIGHUP (a logout, systemctl stop, Ctrl+C) end the program as "END" does:
/// the port is closed, its lock file removed, and the exit status is 0. The handler only writes a
/// byte to a socket pair; the panel is ended from the event loop. Does nothing off Unix.
class EndOnSignals final : public QObject {
  public:
    explicit EndOnSignals(ControlPanel& panel);
    /// A mode without a panel ends its own loop: what it opened is closed as it unwinds.
    explicit EndOnSignals(QEventLoop& loop);
    ~EndOnSignals() override;
    EndOnSignals(const EndOnSignals&) = delete;
    EndOnSignals& operator=(const EndOnSignals&) = delete;

  private:
    void onSignal();

    void take();

    ControlPanel* panel_ = nullptr;
    QEventLoop* loop_ = nullptr;
};

}  // namespace qm5
