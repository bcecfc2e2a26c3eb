// SPDX-License-Identifier: MIT
// The main of the test programs that use real widgets: offscreen, so that they need no display,
// and with the panel's style and fonts.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "ui/fonts.h"

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // No test reads or writes the user's own remembered devices.
    const QTemporaryDir configuration;
    qputenv("XDG_CONFIG_HOME", configuration.path().toLocal8Bit());
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    qm5::installFontSubstitutes();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
