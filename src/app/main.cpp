// SPDX-License-Identifier: MIT
#include <QApplication>

#include "app/qt_panel.h"
#include "ui/fonts.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    qm5::installFontSubstitutes();

    qm5::QtPanel panel;
    panel.form.Form_Load();
    panel.window.show();
    return QApplication::exec();
}
