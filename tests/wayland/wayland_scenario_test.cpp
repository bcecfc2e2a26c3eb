// SPDX-License-Identifier: MIT
// The panel's main job on a Wayland compositor, as Debian's default desktop runs it: started by
// run_under_weston.sh inside a headless weston, which also checks that nothing reached stderr.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWindow>

#include <cstdlib>

#include "pty/pty_pair.h"
#include "support/device_dialog_answer.h"
#include "support/real_panel.h"
#include "support/warning_catcher.h"

namespace qm5::test {
namespace {

TEST(WaylandScenarioTest, doesTheMainJobRefusesMaximiseAndEndsCleanly) {
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("wayland"));
    PtyPair projector;
    PtyPair adapter;
    WarningCatcher warnings;
    RealPanel panel({projector.path(), std::nullopt});
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel.window));
    const QSize normal = panel.window.size();

    panel.click(control::kPowerOn);
    EXPECT_EQ(projector.read(4), "C00\r");

    QTest::keyClick(&panel.window, Qt::Key_H, Qt::ControlModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return panel.window.height() > normal.height(); }, kWaitMs));
    const QSize maintenance = panel.window.size();

    {
        // A device that does not open: a warning box, and the line is kept.
        DeviceDialogAnswer typo(QStringLiteral("/dev/qm5-no-such-adapter"));
        panel.controlPanel.chooseDevice(1);
        ASSERT_TRUE(QTest::qWaitFor([&] { return typo.answered; }, kWaitMs));
        ASSERT_TRUE(warnings.waitFor(1));
    }
    DeviceDialogAnswer chosen(QString::fromStdString(adapter.path()));
    panel.controlPanel.chooseDevice(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return chosen.answered; }, kWaitMs));

    for (const Qt::WindowState refused : {Qt::WindowMaximized, Qt::WindowFullScreen}) {
        panel.window.windowHandle()->setWindowStates(refused);
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                return panel.window.windowState() == Qt::WindowNoState &&
                       panel.window.size() == maintenance;
            },
            kWaitMs))
            << refused;
        QTest::qWait(200);
        EXPECT_EQ(panel.window.size(), maintenance) << refused;
    }
    panel.click(control::kPowerOn);
    EXPECT_EQ(adapter.read(4), "C00\r");

    QTimer::singleShot(0, &panel.window, [&] { panel.click(control::kEndButton); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(adapter.farEndClosed());
    EXPECT_EQ(warnings.seen().size(), 1U);
}

}  // namespace
}  // namespace qm5::test
