// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <memory>

#include "control/panel_services.h"
#include "control/qt_timer.h"
#include "link/line_queue.h"
#include "mqtt/mqtt_bridge.h"
#include "mqtt/stderr_notices.h"

namespace qm5 {

/// The panel's way onto the building's broker, when the command line asks for one: the bridge,
/// its polling timers and its notices.
class BrokerLink {
  public:
    BrokerLink(LineQueue& line, PanelServices& services) : line_(line), services_(services) {}

    /// Joins the broker; before the port opens, so that the bridge learns of it.
    void join(BridgeSettings settings, const QString& label);
    /// Offline published before the program ends.
    void leave();

  private:
    LineQueue& line_;
    PanelServices& services_;
    QtTimer powerPolling_;
    QtTimer lampPolling_;
    std::unique_ptr<StderrNotices> notices_;
    std::unique_ptr<MqttBridge> bridge_;
};

}  // namespace qm5
