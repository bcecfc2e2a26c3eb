// SPDX-License-Identifier: MIT
#include <QApplication>

#include <cstdio>
#include <string_view>

#include "app/qt_panel.h"
#include "ui/fonts.h"

int main(int argc, char* argv[]) {
    // Before the application starts, so that it works without a display.
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--version") {
            std::printf("qm5-control %s\n", QM5_VERSION);
            return 0;
        }
    }
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    qm5::installFontSubstitutes();

    qm5::QtPanel panel;
    panel.form.load();
    panel.window.show();
    return QApplication::exec();
}
