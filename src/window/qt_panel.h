// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>

#include <cstdio>

#include "devices/system_device_maker.h"
#include "link/qt_device_memory.h"
#include "link/serial_control.h"
#include "link/traffic_log.h"
#include "socket/script_server.h"
#include "ui/busy_cursor.h"
#include "ui/panel_window.h"
#include "ui/widget_platform.h"
#include "window/control_panel.h"
#include "window/qt_timer.h"

namespace qm5 {

/// The panel on the real platform: ControlPanel with Qt timers, the serial port and the widgets,
/// reachable by scripts through its local socket.
struct QtPanel : public TrafficLogEvents, public PortInUseListener, public ScriptsUnreachable {
    /// `commandLine` holds the devices given as --com1 and --com2.
    explicit QtPanel(PortDevices::PerPort commandLine = {})
        : devices(memory, std::move(commandLine)) {
        window.bind(controlPanel);
        deviceMaker.setBusyIndicator(busyCursor);
        controlPanel.setExchangeListener(scripts.requests());
        controlPanel.setPortInUseListener(*this);
        scripts.tellUnreachableTo(*this);
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
    ScriptServer scripts{controlPanel};

    /// Appends the traffic to `file` from now on; an empty name logs nothing.
    void logTraffic(const QString& file) {
        if (file.isEmpty()) return;
        log = std::make_unique<TrafficLog>(file, *this);
        if (const auto failure = log->open()) {
            controlPanel.showWarning(
                QCoreApplication::translate("QtPanel", "%1; the panel goes on without a log.")
                    .arg(QString::fromStdString(*failure))
                    .toStdString());
            return;
        }
        controlPanel.setRecorder(*log);
        scripts.logTo(*log);
    }
    std::unique_ptr<TrafficLog> log;

  private:
    /// Scripts reach the panel through the socket of the device open, and only while it is.
    void onPortInUse(std::string_view device, bool open) override {
        if (open) {
            scripts.serveScriptsFor(device);
        } else {
            scripts.stopServing();
        }
    }
    /// As the log's failure is told: the panel goes on without. On stderr too, for whoever
    /// started it from a shell to try a script.
    void onScriptsUnreachable(const QString& why) override {
        const QString text =
            QCoreApplication::translate("QtPanel", "Scripts cannot reach the panel: %1").arg(why);
        std::fprintf(stderr, "qm5-control: %s\n", qPrintable(text));
        controlPanel.showWarning(text.toStdString());
    }
    void onLogFailed(const std::string& why) override {
        // A sentence's end is the language's: a full stop, or "。".
        controlPanel.showWarning(QCoreApplication::translate("QtPanel", "%1.")
                                     .arg(QString::fromStdString(why))
                                     .toStdString());
    }
};

}  // namespace qm5
