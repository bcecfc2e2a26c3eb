// SPDX-License-Identifier: MIT
// The projector's state is learned by asking it in turn with every other frame, as often as its
// state calls for and never more.
#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "mqtt/state_polling.h"
#include "support/panel_harness.h"

namespace qm5::test {
namespace {

using namespace std::chrono_literals;

struct Heard final : ProjectorStateListener {
    void onPowerState(const std::string& words) override { power.push_back(words); }
    void onInput(int input) override { inputs.push_back(input); }
    void onLampHours(std::int64_t hours) override { lamp.push_back(hours); }
    std::vector<std::string> power;
    std::vector<int> inputs;
    std::vector<std::int64_t> lamp;
};

struct StatePollingTest : ::testing::Test {
    StatePollingTest() { panel.handlers.setExchangeListener(line); }

    /// Answers the frame on the wire, if it is `frame`, and lets the next one go.
    void answer(const std::string& frame, const std::string& reply) {
        ASSERT_EQ(panel.port.writes().back().chars, frame);
        panel.port.receive(reply);
        panel.clock.advance(LineQueue::kNextTurnMs);
    }
    std::size_t sent() const { return panel.port.writes().size(); }

    PanelHarness panel;
    LineQueue line{panel.handlers, panel.clock.newTimer(), panel.clock.newTimer()};
    Heard heard;
    StatePolling polling{line, heard, panel.clock.newTimer(), panel.clock.newTimer(), 30s};
};

TEST_F(StatePollingTest, asksEverythingAtStartThenThePowerAsOftenAsItsStateCallsFor) {
    polling.onLineOpen();
    panel.clock.advance(1);
    answer("CR0\r", "40\r");  // counting down: every 2 s
    answer("CR3\r", "0123\r");
    answer("CR1\r", "2\r");
    EXPECT_EQ(heard.power, (std::vector<std::string>{"Count down"}));
    EXPECT_EQ(heard.lamp, (std::vector<std::int64_t>{123}));
    EXPECT_EQ(heard.inputs, (std::vector<int>{3}));
    const std::size_t atStart = sent();
    panel.clock.advanceTo(2000);  // 2 s after the count-down was read, at 1 ms
    EXPECT_EQ(sent(), atStart);
    panel.clock.advanceTo(2000 + 3 + LineQueue::kNextTurnMs);
    answer("CR0\r", "00\r");  // on: every 30 s from now
    const std::int64_t on = panel.clock.now();
    panel.clock.advance(29'990);
    EXPECT_EQ(sent(), atStart + 1);
    panel.clock.advance(20);
    EXPECT_EQ(sent(), atStart + 2);
    EXPECT_LT(panel.clock.now() - on, 30'100);
}

TEST_F(StatePollingTest, aQueryAClickCutShortIsAskedAgainSoonAndNothingGoesWhileTheLineIsAway) {
    polling.onLineOpen();
    panel.clock.advance(1);
    answer("CR0\r", "80\r");                       // standby: every 30 s
    panel.handlers.click(control::kSettingQuery);  // cuts the lamp query short
    panel.port.receive("00");
    panel.port.receive("11\r");
    panel.clock.advance(LineQueue::kNextTurnMs);
    answer("CR1\r", "0\r");
    panel.clock.advanceTo(2000 + 2 + 2 * LineQueue::kNextTurnMs);
    answer("CR0\r", "80\r");
    EXPECT_EQ(panel.port.writes().back().chars, "CR3\r");
    EXPECT_TRUE(heard.lamp.empty());  // the cut reply is never read

    polling.onLineAway();
    const std::size_t away = sent();
    panel.clock.advance(3'600'000);
    EXPECT_EQ(sent(), away);
}

struct LampReply {
    const char* reply;
    std::optional<std::int64_t> hours;
};

TEST(StatePollingLampTest, readsOnlyDigitsEndedByCr) {
    for (const LampReply& row :
         {LampReply{"0042\r", 42}, LampReply{"\r0042\r", 42}, LampReply{"123456789\r", 123456789},
          LampReply{"1234567890\r", {}}, LampReply{"12a4\r", {}}, LampReply{"\r", {}},
          LampReply{"0042\x15", {}}, LampReply{"0042\x06", {}}}) {
        PanelHarness panel;
        LineQueue line{panel.handlers, panel.clock.newTimer(), panel.clock.newTimer()};
        panel.handlers.setExchangeListener(line);
        Heard heard;
        StatePolling polling{line, heard, panel.clock.newTimer(), panel.clock.newTimer(), 30s};
        polling.onLineOpen();
        panel.clock.advance(1);
        panel.port.receive("80\r");
        panel.clock.advance(LineQueue::kNextTurnMs);
        panel.port.receive(row.reply);
        EXPECT_EQ(heard.lamp.empty() ? std::nullopt : std::optional(heard.lamp.front()), row.hours)
            << row.reply;
    }
}

}  // namespace
}  // namespace qm5::test
