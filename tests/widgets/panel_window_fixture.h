// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <string_view>

#include "control/control_panel.h"
#include "support/virtual_devices.h"
#include "ui/panel_window.h"
#include "ui/widget_platform.h"

namespace qm5::test {

/// The real window on the offscreen platform, with the virtual clock and the in-memory port.
struct PanelWindowTest : ::testing::Test, VirtualDevices {
    PanelWindowTest() {
        window.bind(handlers);
        handlers.load();
        window.show();
    }

    QWidget* control(std::string_view name) const { return window.control(name); }
    int clientHeightPixels() const { return window.height(); }

    PanelWindow window;
    WidgetPlatform widgets{window};
    PanelPlatform platform{repeatTimer, replyTimeout, portSelectorTimer, monitorClearing,
                           widgets,     widgets,      widgets,           widgets};
    ControlPanel handlers{platform, serial, devices};
};

}  // namespace qm5::test
