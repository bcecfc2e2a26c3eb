// SPDX-License-Identifier: MIT
#pragma once

#include "app/form1.h"
#include "app/qt_timer.h"
#include "link/qt_device_memory.h"
#include "link/qt_serial_control.h"
#include "ui/form_window.h"
#include "ui/widget_platform.h"

namespace qm5 {

/// The panel on the real platform: Form1 with Qt timers, the serial port and the widgets.
struct QtPanel {
    /// `commandLine` holds the devices given as --com1 and --com2.
    explicit QtPanel(PortDevices::PerPort commandLine = {})
        : devices(memory, std::move(commandLine)) {
        window.bind(form);
    }

    QtTimer repeatTimer;
    QtTimer replyTimeout;
    QtTimer selectorTimer;
    QtTimer monitorClearing;
    QtDeviceMemory memory;
    PortDevices devices;
    QtSerialControl serial{devices};
    FormWindow window;
    WidgetPlatform widgets{window};
    FormPlatform platform{repeatTimer, replyTimeout, selectorTimer, monitorClearing,
                          widgets,     widgets,      widgets,       widgets};
    Form1 form{platform, serial, devices};
};

}  // namespace qm5
