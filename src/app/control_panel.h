// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <unordered_map>

#include "app/port_selector.h"
#include "app/views.h"
#include "core/control_events.h"
#include "core/platform.h"
#include "core/warning_box.h"
#include "core/window_state.h"
#include "link/exchange.h"
#include "link/port_switch.h"
#include "link/serial_control.h"
#include "panel/hold_buttons.h"
#include "panel/one_shot_buttons.h"

namespace qm5 {

class PortDevices;

/// The control panel: the window state and every handler, reached through the platform
/// interfaces.
///
/// Events come in by control name; a control without a handler for an event ignores it, so the
/// widgets can forward every click and every mouse press alike. A serial failure stops the
/// handler where it happened and is reported in one warning box; the program keeps running.
class ControlPanel final : public ControlEvents, private SerialListener {
  public:
    static constexpr std::string_view kLineSettings = "19200,N,8,1";

    ControlPanel(PanelPlatform& platform, SerialControl& serial, PortDevices& devices);
    ControlPanel(const ControlPanel&) = delete;
    ControlPanel& operator=(const ControlPanel&) = delete;

    /// Start-up: places the window, clears the state and opens COM1.
    void load();
    void keyDown(std::int16_t keyCode, std::int16_t shift) override;
    void click(std::string_view control) override;
    void mouseDown(std::string_view control) override;
    void mouseUp(std::string_view control) override;
    /// Asks for the port's device and remembers the answer. The current port is reopened on it
    /// at once; a device that does not open is neither used nor remembered, and the device used
    /// before is opened again.
    void chooseDevice(int port) override;

    /// Ends the program as "END" does, when the system asks (a signal).
    void requestEnd();

    const WindowState& state() const { return state_; }
    bool ended() const { return ended_; }

  private:
    void bindClicks();
    void onLineEvent(LineEvent event) override;
    void onDeviceLost(const SerialError& error) override;
    /// "END".
    void end();
    void choosePort(int port);
    /// Opens the current port on `device`; on failure, says so and opens the device used before.
    bool tryDevice(int port, const std::string& device);
    /// Tells in the COM button's tooltip and accessible description which device the port in
    /// use is, and whether it is open.
    void describePort();
    /// The port the selector shows as chosen; before any is chosen, the serial control's.
    int currentPort() const;
    /// Sets an option button's Value from code, which raises its Click when it was not selected.
    void selectOption(std::string_view option);
    void dispatch(const std::function<void()>& handler);
    void reportFailure(const SerialError& error);

    PanelPlatform& platform_;
    SerialControl& serial_;
    PortDevices& devices_;
    WindowState state_;
    WarningBox warnings_;
    Exchange exchange_;
    PortSwitch portSwitch_;
    OneShotButtons oneShots_;
    HoldButtons holds_;
    Views views_;
    PortSelector portSelector_;
    bool ended_ = false;

    std::unordered_map<std::string_view, std::function<void()>> clickHandlers_;
    std::unordered_map<std::string_view, const HoldButton*> holdButtons_;
};

}  // namespace qm5
