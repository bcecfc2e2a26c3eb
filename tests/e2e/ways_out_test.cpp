// SPDX-License-Identifier: MIT
// Every way out from every state of the real program: a signal or "END" while a warning box, the
// device dialog, the device menu or a name lookup that never answers is open ends it at once, as
// "END" does.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "core/controls.h"
#include "projector_process.h"
#include "support/started_process.h"
#include "support/wait.h"
#include "support/x_display.h"

namespace qm5::test {
namespace {

/// The longest an exit may take, whatever is open; a loaded machine included.
constexpr qint64 kQuickExitMs = 1000;
constexpr int kEnd = 0;  // "END" clicked, in the place of a signal

enum class State { WarningBox, DeviceDialog, DeviceMenu, NameLookup };

struct WayOut {
    State state;
    int way;
};

class WaysOutTest : public ::testing::TestWithParam<WayOut> {
  protected:
    void launch(const QStringList& arguments) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder.path());
        environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(QM5_SILENT_RESOLVER));
        // Under AddressSanitizer the preloaded library comes before its runtime.
        environment.insert(QStringLiteral("ASAN_OPTIONS"),
                           environment.value(QStringLiteral("ASAN_OPTIONS")) +
                               QStringLiteral(":verify_asan_link_order=0"));
        panel.setProcessEnvironment(environment);
        panel.start(QStringLiteral(QM5_CONTROL_BINARY), arguments);
        started = StartedProcess(panel);
    }
    void start(const QStringList& arguments) {
        launch(arguments);
        ASSERT_TRUE(windowShown(QStringLiteral("QM5  CONTROL")));
        window = windowsNamed(QStringLiteral("QM5  CONTROL")).first();
    }
    void click(std::string_view control) {
        pointAt(window, control);
        xdotool({"click", "1"});
    }
    void TearDown() override {
        panel.kill();
        panel.waitForFinished();
    }

    QTemporaryDir folder;
    QProcess panel;
    StartedProcess started;
    QString window;
};

TEST_P(WaysOutTest, endsAtOnceWithStatusZeroAndNoLockLeft) {
    const auto [state, way] = GetParam();
    ProjectorProcess projector;
    const QString device = QString::fromStdString(projector.path());
    if (state == State::NameLookup) {
        ASSERT_NO_FATAL_FAILURE(start({"--com1", "rfc2217://silent.qm5.test:4001"}));
        QTest::qWait(300);
    } else if (state == State::WarningBox) {
        ASSERT_NO_FATAL_FAILURE(start({"--com1", device, "--log", folder.filePath("no/log")}));
        ASSERT_TRUE(windowShown(QStringLiteral("QM5 Control")));
    } else {
        ASSERT_NO_FATAL_FAILURE(start({"--com1", device}));
        click(control::kComButton);  // COM, which takes the focus
        xdotool({"key", "--window", window, "shift+F10"});
        if (state == State::DeviceDialog) {
            xdotool({"key", "--delay", "100", "Down", "Return"});
            ASSERT_TRUE(windowShown(QStringLiteral("COM1 device")));
        }
        QTest::qWait(200);
    }
    const QString lock = lockFileOf(projector.path());
    EXPECT_EQ(QFile::exists(lock), state != State::NameLookup);

    QElapsedTimer took;
    took.start();
    if (way == kEnd) {
        // On X11 a click outside a menu only closes the menu (Qt replays it nowhere there).
        if (state == State::DeviceMenu) click(control::kEndButton);
        click(control::kEndButton);
    } else {
        ASSERT_TRUE(started.signal(way));
    }
    ASSERT_TRUE(panel.waitForFinished(kWaitMs)) << "still running";
    std::cout << "[ exit     ] " << ::testing::UnitTest::GetInstance()->current_test_info()->name()
              << ": " << took.elapsed() << " ms\n";
    EXPECT_LE(took.elapsed(), kQuickExitMs);
    EXPECT_EQ(panel.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(panel.exitCode(), 0) << panel.readAllStandardError().toStdString();
    EXPECT_FALSE(QFile::exists(lock));
}

std::vector<WayOut> everyWayFromEveryState() {
    std::vector<WayOut> rows;
    for (const State state :
         {State::WarningBox, State::DeviceDialog, State::DeviceMenu, State::NameLookup}) {
        for (const int way : {SIGTERM, SIGHUP, SIGINT, kEnd}) rows.push_back({state, way});
    }
    return rows;
}

std::string rowName(const ::testing::TestParamInfo<WayOut>& row) {
    const char* const states[] = {"WarningBox", "DeviceDialog", "DeviceMenu", "NameLookup"};
    const std::string way =
        row.param.way == kEnd ? "END" : "SIG" + std::string(sigabbrev_np(row.param.way));
    return way + "With" + states[static_cast<int>(row.param.state)];
}

INSTANTIATE_TEST_SUITE_P(EveryWayFromEveryState, WaysOutTest,
                         ::testing::ValuesIn(everyWayFromEveryState()), rowName);

/// nohup: a hang-up the caller ignores leaves the panel running; a SIGTERM still ends it.
TEST_F(WaysOutTest, aSignalIgnoredByTheCallerStaysIgnored) {
    panel.setChildProcessModifier([] { ::signal(SIGHUP, SIG_IGN); });
    ASSERT_NO_FATAL_FAILURE(start({"--com1", "/no/such/device"}));
    ASSERT_TRUE(started.signal(SIGHUP));
    EXPECT_FALSE(panel.waitForFinished(500));
    ASSERT_TRUE(started.signal(SIGTERM));
    ASSERT_TRUE(panel.waitForFinished(kWaitMs));
    EXPECT_EQ(panel.exitCode(), 0);
}

/// The 3 seconds of --send hold for a lookup too: refused, the lookup left running behind.
TEST_F(WaysOutTest, aSendToANameNeverAnsweredEndsWithinItsBound) {
    QElapsedTimer took;
    took.start();
    launch({"--send", "power-on", "--com1", "rfc2217://silent.qm5.test:4001"});
    ASSERT_TRUE(panel.waitForFinished(kWaitMs)) << "still running";
    std::cout << "[ exit     ] --send: " << took.elapsed() << " ms\n";
    EXPECT_LE(took.elapsed(), 3000 + kQuickExitMs);
    EXPECT_EQ(panel.exitCode(), 3) << panel.readAllStandardError().toStdString();
}

}  // namespace
}  // namespace qm5::test
