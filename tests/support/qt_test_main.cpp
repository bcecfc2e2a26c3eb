// SPDX-License-Identifier: MIT
// The main of the test programs that use real widgets: offscreen, so that they need no display
// (or on the platform QM5_TEST_PLATFORM names: the Wayland scenario), and with the panel's style
// and fonts.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "ui/fonts.h"

int main(int argc, char* argv[]) {
    const QByteArray platform = qgetenv("QM5_TEST_PLATFORM");
    qputenv("QT_QPA_PLATFORM", platform.isEmpty() ? QByteArray("offscreen") : platform);
    // No test reads or writes the user's own remembered devices.
    const QTemporaryDir configuration;
    qputenv("XDG_CONFIG_HOME", configuration.path().toLocal8Bit());
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    qm5::installFontSubstitutes();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
