// SPDX-License-Identifier: MIT
#pragma once

#include "app/form1.h"
#include "support/fake_form.h"
#include "support/virtual_devices.h"

namespace qm5::test {

/// Form1 on the virtual clock, the in-memory port and the fake window, loaded and ready.
struct PanelHarness : VirtualDevices {
    /// For a test that sets the port up before start-up runs.
    struct NotLoaded {};

    PanelHarness() { form.load(); }
    explicit PanelHarness(NotLoaded) {}

    static constexpr const char* kTxd = "Label11";
    static constexpr const char* kRxd = "Label12";
    static constexpr const char* kStatus = "Label25";

    FakeForm window;
    FormPlatform platform{repeatTimer, replyTimeout, selectorTimer, monitorClearing,
                          window,      window,       window,        window};
    Form1 form{platform, port, devices};

    std::string txd() const { return window.caption(kTxd); }
    std::string rxd() const { return window.caption(kRxd); }
    std::string status() const { return window.caption(kStatus); }
    /// The operator picks a port in the selector: the option is selected, then clicked.
    void choosePort(std::string_view option) {
        window.setValue(option, true);
        form.click(option);
    }
    /// A press held for `milliseconds`, then released.
    void hold(std::string_view control, std::int64_t milliseconds) {
        form.mouseDown(control);
        clock.advance(milliseconds);
        form.mouseUp(control);
    }
};

}  // namespace qm5::test
