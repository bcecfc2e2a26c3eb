// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "control/device_choice.h"
#include "control/port_selector.h"
#include "control/views.h"
#include "core/control_events.h"
#include "core/platform.h"
#include "core/warning_box.h"
#include "core/window_state.h"
#include "link/exchange.h"
#include "link/line_target.h"
#include "link/port_in_use.h"
#include "link/port_switch.h"
#include "link/serial_control.h"
#include "panel/hold_buttons.h"
#include "panel/one_shot_buttons.h"
#include "system/end_on_signals.h"

namespace qm5 {

class PortDevices;

/// The control panel: the window state and every handler, reached through the platform
/// interfaces.
///
/// Events come in by control name; a control without a handler for an event ignores it, so the
/// widgets can forward every click and every mouse press alike. A serial failure stops the
/// handler where it happened and is reported in one warning box; the program keeps running.
class ControlPanel final : public ControlEvents,
                           private SerialListener,
                           private DevicePickerEvents,
                           public EndSignalListener,
                           public LineTarget {
  public:
    static constexpr std::string_view kLineSettings = "19200,N,8,1";

    ControlPanel(PanelPlatform& platform, SerialControl& serial, PortDevices& devices);
    ControlPanel(const ControlPanel&) = delete;
    ControlPanel& operator=(const ControlPanel&) = delete;

    /// Start-up: places the window, clears the state and opens COM1 (a service: its `port`).
    void load(int port = 1);
    void keyDown(std::int16_t keyCode, std::int16_t shift) override;
    void click(std::string_view control) override;
    void mouseDown(std::string_view control) override;
    void mouseUp(std::string_view control) override;
    /// Asks for the port's device and remembers the answer (DeviceChoice).
    void chooseDevice(int port) override;

    /// Ends the program as "END" does, when the system asks (a signal).
    void requestEnd();
    void onEndSignal(int) override { requestEnd(); }

    /// A script's frame waits while the panel ends or a button is held.
    std::optional<LineRefusal> busyFor() const override;
    /// Sends `code` as its button would, once for a hold button. Returns why it could not be sent
    /// (the operator is told as for a click).
    std::optional<LineRefusal> sendAsButton(std::string_view code) override;
    /// Sends `text` and CR as one frame, shown as every frame is: a code no button has.
    std::optional<LineRefusal> sendRaw(std::string_view text) override;
    void setPortInUseListener(PortInUseListener& listener) { portInUse_ = &listener; }
    /// Every frame sent and every piece received is recorded there too.
    void setRecorder(TrafficRecorder& recorder) { exchange_.setRecorder(recorder); }
    /// Told of every frame sent and every piece received.
    void setExchangeListener(ExchangeListener& listener) { exchange_.setListener(listener); }
    /// A warning box for news from elsewhere in the program (the traffic log).
    void showWarning(const std::string& text) { warnings_.show(text); }

    const WindowState& state() const { return state_; }
    bool ended() const { return ended_; }

  private:
    void bindClicks();
    void onSerialEvent(LineEvent event) override;
    void onPortLost(const SerialError& error) override;
    void onPortOpenFailed(const SerialError& error) override;
    void onLinkChanged() override;
    std::optional<std::string> refusal(std::string_view device) const override;
    void onDeviceChosen(int port, std::string_view picked) override;
    std::vector<FoundDevice> presentDevices() const override {
        return DeviceChoice::presentDevices();
    }
    void findProjectors(const std::vector<std::string>& devices, FindResults& results) override {
        deviceChoice_.findProjectors(devices, results);
    }
    void stopFinding(const FindResults& results) override { deviceChoice_.stopFinding(results); }
    /// "END".
    void end();
    void choosePort(int port);
    /// The port in use, its device or whether it is open changed: the COM button and the port's
    /// listener are told.
    void portChanged();
    /// Tells in the COM button's tooltip and accessible description which device the port in
    /// use is, and whether it is open.
    void describePort(int port, const std::string& device);
    void dispatch(const std::function<void()>& handler);
    /// Stops a held button's repeat and shows the failure, followed by `note`, unless the
    /// operator has been told already.
    void reportFailure(const SerialError& error, std::string_view note = {});

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
    DeviceChoice deviceChoice_;
    bool ended_ = false;
    /// Start-up's port is still connecting: if it fails, it is watched for.
    bool startingUp_ = false;
    PortInUseListener* portInUse_ = nullptr;

    std::unordered_map<std::string_view, std::function<void()>> clickHandlers_;
    std::unordered_map<std::string_view, const HoldButton*> holdButtons_;
};

}  // namespace qm5
