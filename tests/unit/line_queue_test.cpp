// SPDX-License-Identifier: MIT
// Frames sent on others' behalf take turns with the operator's: one at a time, never before the
// previous reply or its timeout, never while a button is held.
#include <gtest/gtest.h>

#include <vector>

#include "link/line_queue.h"
#include "support/panel_harness.h"

namespace qm5::test {
namespace {

struct Recorded {
    std::uint64_t ticket;
    std::string reply;
    bool cutShort;
    std::optional<Failure> refused;
};

struct Asker final : LineAsker {
    bool stillWanted(std::uint64_t ticket) const override { return ticket != unwanted; }
    void onLineAnswer(std::uint64_t ticket, const LineAnswer& answer) override {
        answers.push_back({ticket, answer.reply.chars(), answer.cutShort,
                           answer.refused ? std::optional(answer.refused->failure) : std::nullopt});
    }
    std::vector<Recorded> answers;
    std::uint64_t unwanted = 0;
};

struct LineQueueTest : ::testing::Test {
    LineQueueTest() { panel.handlers.setExchangeListener(queue); }

    void add(std::uint64_t ticket, const char* code,
             LineQueue::WhenHeld whenHeld = LineQueue::WhenHeld::Wait) {
        queue.add({&asker, ticket, code, false, whenHeld});
    }
    /// When each frame went out, in the virtual clock's milliseconds.
    std::vector<std::int64_t> times() const {
        std::vector<std::int64_t> at;
        for (const auto& write : panel.port.writes()) at.push_back(write.at);
        return at;
    }

    PanelHarness panel;
    Asker asker;
    LineQueue queue{panel.handlers, panel.clock.newTimer(), panel.clock.newTimer()};
};

TEST_F(LineQueueTest, sendsTheNextFrameOnlyOnceTheReplyIsWholeOrTimedOut) {
    for (std::uint64_t ticket = 1; ticket <= 3; ++ticket) add(ticket, "C0B");
    panel.clock.advance(10);
    panel.port.receive("\x06");  // whole: the next goes at once
    panel.clock.advance(LineQueue::kNextTurnMs + 499);
    EXPECT_EQ(panel.port.writes().size(), 2U);  // the silent second's timeout is not up yet
    panel.clock.advance(2);
    const std::int64_t second = 10 + LineQueue::kNextTurnMs;
    EXPECT_EQ(times(), (std::vector<std::int64_t>{1, second, second + 500 + 1}));
    ASSERT_EQ(asker.answers.size(), 2U);
    EXPECT_EQ(asker.answers[0].reply, "\x06");
    EXPECT_EQ(asker.answers[1].reply, "");
}

TEST_F(LineQueueTest, waitsForAClicksReplyAndEndsAReplyAClickCutShort) {
    panel.handlers.click(control::kStatusQuery);
    add(1, "C0B");
    panel.clock.advance(100);
    EXPECT_EQ(panel.port.writes().size(), 1U);  // the click's reply is still awaited
    panel.port.receive("80\r");
    panel.clock.advance(1);
    ASSERT_EQ(panel.port.writes().size(), 2U);
    panel.port.receive("0");  // a piece of ours, then a click
    panel.handlers.click(control::kLampTimeQuery);
    ASSERT_EQ(asker.answers.size(), 1U);
    EXPECT_TRUE(asker.answers[0].cutShort);
    EXPECT_EQ(asker.answers[0].reply, "0");
    add(2, "C0C");
    panel.clock.advance(499);
    EXPECT_EQ(panel.port.writes().size(), 3U);  // the click's timeout is not up yet
    panel.clock.advance(2);
    EXPECT_EQ(panel.port.writes().size(), 4U);
}

TEST_F(LineQueueTest, aHeldButtonRefusesScriptsAtOnceAndKeepsTheOthersWaiting) {
    panel.handlers.mouseDown(control::kVolumePlus);
    add(1, "C0B", LineQueue::WhenHeld::Refuse);
    add(2, "C0C");
    panel.clock.advance(2000);
    ASSERT_EQ(asker.answers.size(), 1U);
    EXPECT_EQ(asker.answers[0].refused, Failure::Busy);
    // The hold's own repeat, on its own timing, and nothing between.
    const std::size_t held = panel.port.writes().size();
    for (std::size_t i = 0; i < held; ++i) {
        EXPECT_EQ(panel.port.writes()[i].chars, "C09\r");
        EXPECT_EQ(panel.port.writes()[i].at, static_cast<std::int64_t>(i) * 250);
    }
    panel.port.receive("\x06");  // the last held frame's reply: the line is quiet but held
    panel.clock.advance(50);
    panel.handlers.mouseUp(control::kVolumePlus);
    panel.clock.advance(51);  // looked at again within 100 ms
    ASSERT_EQ(panel.port.writes().size(), held + 1);
    EXPECT_EQ(panel.port.writes().back().chars, "C0C\r");
}

TEST_F(LineQueueTest, anEndingPanelRefusesEveryRequestAndAGoneAskerSendsNothing) {
    asker.unwanted = 1;
    add(1, "C0B");
    add(2, "C0C");
    panel.clock.advance(1);
    EXPECT_EQ(panel.port.writes().back().chars, "C0C\r");
    EXPECT_EQ(asker.answers.at(0).refused, Failure::Interrupted);
    panel.handlers.click(control::kEndButton);
    add(3, "C0D");
    panel.clock.advance(1000);
    EXPECT_EQ(asker.answers.back().refused, Failure::Interrupted);
    EXPECT_EQ(panel.port.writes().size(), 1U);
}

}  // namespace
}  // namespace qm5::test
