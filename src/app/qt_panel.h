// SPDX-License-Identifier: MIT
#pragma once

#include "app/form1.h"
#include "app/qt_timer.h"
#include "link/qt_serial_control.h"
#include "ui/form_window.h"
#include "ui/widget_platform.h"

namespace qm5 {

/// The panel on the real platform: Form1 with Qt timers, the serial port and the widgets.
struct QtPanel {
    QtPanel() { window.bind(form); }

    QtTimer timer1;
    QtTimer timer2;
    QtTimer timer3;
    QtTimer timer4;
    QtSerialControl comm;
    FormWindow window;
    WidgetPlatform widgets{window};
    FormPlatform platform{timer1, timer2, timer3, timer4, comm, widgets, widgets, widgets};
    Form1 form{platform};
};

}  // namespace qm5
