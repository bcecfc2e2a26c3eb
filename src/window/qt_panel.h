// SPDX-License-Identifier: MIT
#pragma once

#include "control/control_panel.h"
#include "control/panel_services.h"
#include "control/qt_timer.h"
#include "devices/system_device_maker.h"
#include "link/qt_device_memory.h"
#include "link/serial_control.h"
#include "ui/busy_cursor.h"
#include "ui/panel_window.h"
#include "ui/widget_platform.h"

namespace qm5 {

/// The panel in its window: ControlPanel with Qt timers, the serial port and the widgets,
/// reachable by scripts through its local socket.
struct QtPanel {
    /// `commandLine` holds the devices given as --com1 and --com2.
    explicit QtPanel(PortDevices::PerPort commandLine = {})
        : devices(memory, std::move(commandLine)) {
        window.bind(controlPanel);
        deviceMaker.setBusyIndicator(busyCursor);
    }

    QtTimer repeatTimer;
    QtTimer replyTimeout;
    QtTimer portSelectorTimer;
    QtTimer monitorClearing;
    QtDeviceMemory memory;
    PortDevices devices;
    BusyCursor busyCursor;
    SystemDeviceMaker deviceMaker;
    SerialControl serial{devices, deviceMaker};
    PanelWindow window;
    WidgetPlatform widgets{window};
    PanelPlatform platform{repeatTimer, replyTimeout, portSelectorTimer, monitorClearing,
                           widgets,     widgets,      widgets,           widgets};
    ControlPanel controlPanel{platform, serial, devices};
    PanelServices services{controlPanel, true};
};

}  // namespace qm5
