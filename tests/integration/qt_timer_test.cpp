// SPDX-License-Identifier: MIT
// The real timer keeps the rules that the virtual clock's timers follow. Only lower bounds of
// time are checked: a loaded machine delays a tick, it never brings one forward.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>

#include "control/qt_timer.h"
#include "support/wait.h"

namespace qm5::test {
namespace {

struct QtTimerTest : ::testing::Test {
    QtTimerTest() {
        timer.setTickHandler([this] { ticks.push_back(clock.elapsed()); });
        clock.start();
    }
    bool waitForTicks(std::size_t count) {
        return QTest::qWaitFor([&] { return ticks.size() >= count; }, kWaitMs);
    }

    QtTimer timer;
    QElapsedTimer clock;
    std::vector<qint64> ticks;
};

TEST_F(QtTimerTest, enablingARunningTimerRestartsItsCount) {
    timer.setInterval(100);
    timer.setEnabled(true);
    QTest::qWait(60);
    const qint64 restarted = clock.elapsed();
    timer.setEnabled(true);
    ASSERT_TRUE(waitForTicks(1));
    EXPECT_GE(ticks[0] - restarted, 99);
}

TEST_F(QtTimerTest, enablingItselfFromItsOwnTickKeepsItRunning) {
    timer.setTickHandler([this] {
        ticks.push_back(clock.elapsed());
        timer.setEnabled(true);
    });
    timer.setInterval(5);
    timer.setEnabled(true);
    ASSERT_TRUE(waitForTicks(4));
    EXPECT_TRUE(timer.enabled());
}

TEST_F(QtTimerTest, aNewIntervalRestartsARunningTimerAndStartsNoStoppedOne) {
    timer.setInterval(60000);
    timer.setEnabled(true);
    timer.setInterval(20);
    ASSERT_TRUE(waitForTicks(1));
    timer.setEnabled(false);
    timer.setInterval(1);
    QTest::qWait(50);
    EXPECT_EQ(ticks.size(), 1U);
}

TEST_F(QtTimerTest, anIntervalOfZeroNeverTicks) {
    timer.setInterval(0);
    timer.setEnabled(true);
    QTest::qWait(50);
    EXPECT_TRUE(ticks.empty());
    EXPECT_TRUE(timer.enabled());
}

}  // namespace
}  // namespace qm5::test
