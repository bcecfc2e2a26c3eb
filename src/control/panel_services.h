// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <memory>
#include <string>
#include <string_view>

#include "control/control_panel.h"
#include "link/line_queue.h"
#include "link/traffic_log.h"
#include "socket/script_server.h"

namespace qm5 {

/// What a panel does beside its handlers, with a window or without: it sends others' frames in
/// turn, serves scripts through the socket of the device open, and only while it is, and logs the
/// traffic.
class PanelServices final : private TrafficLogEvents,
                            private PortInUseListener,
                            private ScriptsUnreachable {
  public:
    /// `echoToStderr`: a warning of the window's is also written to stderr, for whoever started
    /// it from a shell to try a script; without a window every warning goes there anyway.
    PanelServices(ControlPanel& panel, LineQueue& line, ScriptServer& scripts, bool echoToStderr);

    /// `listener` is told of the port in use too (the broker's bridge).
    void alsoTellPortTo(PortInUseListener& listener) { alsoTold_ = &listener; }
    /// Appends the traffic to `file` from now on; an empty name logs nothing.
    void logTraffic(const QString& file);

  private:
    void onPortInUse(int port, std::string_view device, bool open) override;
    void onScriptsUnreachable(const QString& why) override;
    void onLogFailed(const std::string& why) override;

    ControlPanel& panel_;
    LineQueue& line_;
    ScriptServer& scripts_;
    bool echoToStderr_;
    std::unique_ptr<TrafficLog> log_;
    PortInUseListener* alsoTold_ = nullptr;
};

}  // namespace qm5
