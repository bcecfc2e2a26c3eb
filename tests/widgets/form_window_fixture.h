// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <string_view>

#include "app/form1.h"
#include "support/virtual_devices.h"
#include "ui/form_window.h"
#include "ui/widget_platform.h"

namespace qm5::test {

/// The real window on the offscreen platform, with the virtual clock and the in-memory port.
struct FormWindowTest : ::testing::Test, VirtualDevices {
    FormWindowTest() {
        window.bind(form);
        form.load();
        window.show();
    }

    QWidget* control(std::string_view name) const { return window.control(name); }
    int clientHeightPixels() const { return window.height(); }

    FormWindow window;
    WidgetPlatform widgets{window};
    FormPlatform platform{repeatTimer, replyTimeout, selectorTimer, monitorClearing,
                          widgets,     widgets,      widgets,       widgets};
    Form1 form{platform, port, devices};
};

}  // namespace qm5::test
