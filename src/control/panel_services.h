// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <memory>
#include <string>
#include <string_view>

#include "control/control_panel.h"
#include "control/qt_timer.h"
#include "link/line_queue.h"
#include "link/traffic_log.h"
#include "mqtt/mqtt_bridge.h"
#include "mqtt/stderr_notices.h"
#include "socket/script_server.h"

namespace qm5 {

/// What a panel does beside its handlers, with a window or without: it sends others' frames in
/// turn, serves scripts through the socket of the device open, and only while it is, logs the
/// traffic, and joins the building's broker when asked to.
class PanelServices final : private TrafficLogEvents,
                            private PortInUseListener,
                            private ScriptsUnreachable {
  public:
    /// `echoToStderr`: a warning of the window's is also written to stderr, for whoever started
    /// it from a shell to try a script; without a window every warning goes there anyway.
    PanelServices(ControlPanel& panel, bool echoToStderr);

    ScriptServer& scripts() { return scripts_; }
    /// Appends the traffic to `file` from now on; an empty name logs nothing.
    void logTraffic(const QString& file);
    /// Joins the broker; before the port opens, so that the bridge learns of it.
    void joinBroker(BridgeSettings settings, const QString& label);
    /// Offline published before the program ends.
    void leaveBroker();

  private:
    void onPortInUse(int port, std::string_view device, bool open) override;
    void onScriptsUnreachable(const QString& why) override;
    void onLogFailed(const std::string& why) override;

    ControlPanel& panel_;
    bool echoToStderr_;
    QtTimer lineReplyTimeout_;
    QtTimer lineNextTurn_;
    LineQueue line_{panel_, lineReplyTimeout_, lineNextTurn_};
    ScriptServer scripts_{line_};
    std::unique_ptr<TrafficLog> log_;
    QtTimer powerPolling_;
    QtTimer lampPolling_;
    std::unique_ptr<StderrNotices> brokerNotices_;
    std::unique_ptr<MqttBridge> bridge_;
};

}  // namespace qm5
