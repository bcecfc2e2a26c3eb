// SPDX-License-Identifier: MIT
#pragma once

#include "control/control_panel.h"
#include "core/controls.h"
#include "support/fake_window.h"
#include "support/virtual_devices.h"

namespace qm5::test {

/// ControlPanel on the virtual clock, the in-memory port and the fake window, loaded and ready.
struct PanelHarness : VirtualDevices {
    /// For a test that sets the port up before start-up runs.
    struct NotLoaded {};

    PanelHarness() { handlers.load(); }
    explicit PanelHarness(NotLoaded) {}

    FakeWindow window;
    PanelPlatform platform{repeatTimer,     replyTimeout, portSelectorTimer,
                           monitorClearing, window,       window,
                           window,          window};
    ControlPanel handlers{platform, serial, devices};

    std::string txd() const { return window.caption(control::kTxdLine); }
    std::string rxd() const { return window.caption(control::kRxdLine); }
    std::string status() const { return window.caption(control::kStatusLine); }
    /// The operator picks a port in the selector: the option is selected, then clicked.
    void choosePort(std::string_view option) {
        window.setValue(option, true);
        handlers.click(option);
    }
    /// A press held for `milliseconds`, then released.
    void hold(std::string_view control, std::int64_t milliseconds) {
        handlers.mouseDown(control);
        clock.advance(milliseconds);
        handlers.mouseUp(control);
    }
};

}  // namespace qm5::test
