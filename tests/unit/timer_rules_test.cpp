// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <vector>

#include "support/virtual_clock.h"

namespace qm5::test {
namespace {

struct TimerRulesTest : ::testing::Test {
    TimerRulesTest() {
        timer.setTickHandler([this] { ticks.push_back(clock.now()); });
    }
    VirtualClock clock;
    VirtualTimer& timer = clock.newTimer();
    std::vector<std::int64_t> ticks;
};

TEST_F(TimerRulesTest, repeatsEveryIntervalFromItsStart) {
    timer.setInterval(200);
    clock.advance(50);
    timer.setEnabled(true);
    clock.advance(650);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{250, 450, 650}));
}

TEST_F(TimerRulesTest, enablingARunningTimerRestartsItsCount) {
    timer.setInterval(500);
    timer.setEnabled(true);
    clock.advance(300);
    timer.setEnabled(true);
    clock.advance(700);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{800}));
}

TEST_F(TimerRulesTest, enablingItselfFromItsOwnTickKeepsThePeriod) {
    timer.setTickHandler([this] {
        ticks.push_back(clock.now());
        timer.setEnabled(true);
    });
    timer.setInterval(5);
    timer.setEnabled(true);
    clock.advance(20);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{5, 10, 15, 20}));
}

TEST_F(TimerRulesTest, aNewIntervalRestartsARunningTimerAndWaitsForAStoppedOne) {
    timer.setInterval(500);
    timer.setEnabled(true);
    clock.advance(100);
    timer.setInterval(25);
    clock.advance(60);
    timer.setEnabled(false);
    timer.setInterval(10);
    clock.advance(100);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{125, 150}));
}

TEST_F(TimerRulesTest, timersDueTogetherFireInTheOrderTheyWereArmed) {
    VirtualTimer& other = clock.newTimer();
    std::vector<char> order;
    timer.setTickHandler([&] { order.push_back('a'); });
    other.setTickHandler([&] { order.push_back('b'); });
    other.setInterval(10);
    timer.setInterval(10);
    other.setEnabled(true);
    timer.setEnabled(true);
    clock.advance(10);
    EXPECT_EQ(order, (std::vector<char>{'b', 'a'}));
}

}  // namespace
}  // namespace qm5::test
