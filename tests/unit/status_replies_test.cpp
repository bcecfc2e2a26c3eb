// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "link/reply_end.h"
#include "link/reply_status.h"
#include "support/panel_harness.h"

namespace qm5::test {
namespace {

struct StatusRepliesTest : ::testing::Test {
    PanelHarness panel;

    std::string ask(std::string_view query, const std::string& reply) {
        panel.handlers.click(query);
        panel.port.receive(reply);
        return panel.status();
    }
};

TEST_F(StatusRepliesTest, theQueryDecidesNotTheReply) {
    EXPECT_EQ(ask(control::kSettingQuery, "00\r"), " Top/Bottom , Left/Right reversal");
    EXPECT_EQ(panel.rxd(), " 0 0 CR ");
    panel.clock.advance(1000);
    EXPECT_EQ(ask(control::kStatusQuery, "00\r"), " Power ON");
}

TEST_F(StatusRepliesTest, keepsTheStatusLineWhenNothingMatches) {
    EXPECT_EQ(ask(control::kStatusQuery, "00\r"), " Power ON");
    panel.clock.advance(600);
    EXPECT_EQ(ask(control::kStatusQuery, "84\r"), " Power ON");
    EXPECT_EQ(ask(control::kModeQuery, "3"), " Power ON");
}

TEST_F(StatusRepliesTest, showsTheLampHoursAsTheyArrive) {
    EXPECT_EQ(ask(control::kLampTimeQuery, "1"), " 1  Hour Use");
    panel.port.receive("2");
    EXPECT_EQ(panel.status(), " 1 2  Hour Use");
    panel.port.receive("34\r");
    EXPECT_EQ(panel.status(), " 1 2 3 4 Hour Use");
}

TEST_F(StatusRepliesTest, decodesNothingAfterACommandFrame) {
    EXPECT_EQ(ask(control::kStatusQuery, "80\r"), " Stand by");
    panel.handlers.click(control::kPowerOn);
    panel.port.receive("00\r");
    EXPECT_EQ(panel.status(), " Stand by");
}

TEST_F(StatusRepliesTest, decodesALateReplyAgainstTheLastQuery) {
    panel.handlers.click(control::kModeQuery);
    panel.clock.advance(1200);
    panel.port.receive("1\r");
    EXPECT_EQ(panel.status(), " Input 2");
}

TEST_F(StatusRepliesTest, aReplyAfterTheTimeoutIsNotReadAsTheAnswerToTheNextQuery) {
    panel.handlers.click(control::kStatusQuery);  // STATUS
    panel.clock.advance(700);
    panel.port.receive("00\r");
    EXPECT_EQ(panel.status(), " Power ON");  // late, but still decoded against STATUS
    panel.clock.advance(300);
    EXPECT_EQ(ask(control::kModeQuery, "1\r"), " Input 2");  // MODE
    EXPECT_EQ(panel.rxd(), " 0 0 CR 1 CR ");
}

/// Where a reply ends, so that nobody waits out the timeout for it, and whether it refuses.
TEST(ReplyEndTest, aReplyEndsAtItsFirstCrAckOrNak) {
    const struct {
        std::string_view chars;
        bool complete;
        bool refused;
    } rows[] = {
        {"", false, false},
        {"00", false, false},
        {"00\r", true, false},
        {"\x06", true, false},
        {"\x15", true, true},
        {" \x15\r", true, true},
        {"0\r\x15", true, false},
        {"\x06\x15", true, false},
        // A CR or LF first ends an earlier reply that came late.
        {"\r", false, false},
        {"\r\n\x15", true, true},
        {"\n0\r", true, false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(replyComplete(row.chars), row.complete) << testing::PrintToString(row.chars);
        EXPECT_EQ(replyRefused(row.chars), row.refused) << testing::PrintToString(row.chars);
    }
}

/// A state is read after a late CR, and never from a refusal: --until must not stop on one.
TEST(ReplyEndTest, aRefusalTellsNoState) {
    EXPECT_EQ(replyStatus("CR0\r", "\r00\r"), " Power ON");
    EXPECT_EQ(replyStatus("CR0\r", "00\x15"), std::nullopt);
}

}  // namespace
}  // namespace qm5::test
