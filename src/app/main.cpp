// SPDX-License-Identifier: MIT
#include <QApplication>

#include "app/form1.h"
#include "app/qt_timer.h"
#include "link/qt_serial_control.h"
#include "ui/fonts.h"
#include "ui/form_window.h"
#include "ui/widget_platform.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    qm5::installFontSubstitutes();

    qm5::QtTimer timer1;
    qm5::QtTimer timer2;
    qm5::QtTimer timer3;
    qm5::QtTimer timer4;
    qm5::QtSerialControl comm;
    qm5::FormWindow window;
    qm5::WidgetPlatform widgets(window);
    qm5::FormPlatform platform{timer1, timer2, timer3, timer4, comm, widgets, widgets, widgets};
    qm5::Form1 form(platform);
    window.bind(form);

    form.Form_Load();
    window.show();
    return QApplication::exec();
}
