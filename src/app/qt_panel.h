// SPDX-License-Identifier: MIT
#pragma once

#include "app/control_panel.h"
#include "app/qt_timer.h"
#include "link/qt_device_memory.h"
#include "link/serial_control.h"
#include "link/system_devices.h"
#include "ui/panel_window.h"
#include "ui/widget_platform.h"

namespace qm5 {

/// The panel on the real platform: ControlPanel with Qt timers, the serial port and the widgets.
struct QtPanel {
    /// `commandLine` holds the devices given as --com1 and --com2.
    explicit QtPanel(PortDevices::PerPort commandLine = {})
        : devices(memory, std::move(commandLine)) {
        window.bind(handlers);
    }

    QtTimer repeatTimer;
    QtTimer replyTimeout;
    QtTimer portSelectorTimer;
    QtTimer monitorClearing;
    QtDeviceMemory memory;
    PortDevices devices;
    SystemDevices deviceKinds;
    SerialControl serial{devices, deviceKinds};
    PanelWindow window;
    WidgetPlatform widgets{window};
    PanelPlatform platform{repeatTimer, replyTimeout, portSelectorTimer, monitorClearing,
                           widgets,     widgets,      widgets,           widgets};
    ControlPanel handlers{platform, serial, devices};
};

}  // namespace qm5
