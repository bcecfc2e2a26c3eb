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
    // Nor the user's own runtime folder, where the panels' sockets are; the Wayland scenario's is
    // a test folder already, and holds the compositor's socket.
    const QTemporaryDir runtime;  // mode 0700, as Qt wants it
    if (platform.isEmpty()) qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    qm5::installFontSubstitutes();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
