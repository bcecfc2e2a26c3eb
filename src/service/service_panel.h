// SPDX-License-Identifier: MIT
#pragma once

#include "control/control_panel.h"
#include "control/panel_services.h"
#include "control/qt_timer.h"
#include "devices/system_device_maker.h"
#include "link/qt_device_memory.h"
#include "link/serial_control.h"
#include "service/headless_platform.h"

namespace qm5 {

/// The panel without a window: the same handlers, timers, device and scripts' socket, its
/// warnings on stderr.
struct ServicePanel {
    ServicePanel(PortDevices::PerPort commandLine, const QString& label)
        : devices(memory, std::move(commandLine)), warnings(label) {
        serial.setDeviceChooser(DeviceChooser::Service);
    }

    QtTimer repeatTimer;
    QtTimer replyTimeout;
    QtTimer portSelectorTimer;
    QtTimer monitorClearing;
    QtDeviceMemory memory;
    PortDevices devices;
    SystemDeviceMaker deviceMaker;
    SerialControl serial{devices, deviceMaker};
    HeadlessControls controls;
    HeadlessWindow window;
    StderrWarnings warnings;
    NoDevicePicker picker;
    PanelPlatform platform{repeatTimer, replyTimeout, portSelectorTimer, monitorClearing,
                           controls,    window,       warnings,          picker};
    ControlPanel controlPanel{platform, serial, devices};
    PanelServices services{controlPanel, false};
};

}  // namespace qm5
