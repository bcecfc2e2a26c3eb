// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "support/panel_harness.h"

namespace qm5::test {
namespace {

struct StatusRepliesTest : ::testing::Test {
    PanelHarness panel;

    std::string ask(const char* query, const std::string& reply) {
        panel.handlers.click(query);
        panel.port.receive(reply);
        return panel.status();
    }
};

TEST_F(StatusRepliesTest, theQueryDecidesNotTheReply) {
    EXPECT_EQ(ask("Command47", "00\r"), " Top/Bottom , Left/Right reversal");
    EXPECT_EQ(panel.rxd(), " 0 0 CR ");
    panel.clock.advance(1000);
    EXPECT_EQ(ask("Command44", "00\r"), " Power ON");
}

TEST_F(StatusRepliesTest, keepsTheStatusLineWhenNothingMatches) {
    EXPECT_EQ(ask("Command44", "00\r"), " Power ON");
    panel.clock.advance(600);
    EXPECT_EQ(ask("Command44", "84\r"), " Power ON");
    EXPECT_EQ(ask("Command45", "3"), " Power ON");
}

TEST_F(StatusRepliesTest, showsTheLampHoursAsTheyArrive) {
    EXPECT_EQ(ask("Command46", "1"), " 1  Hour Use");
    panel.port.receive("2");
    EXPECT_EQ(panel.status(), " 1 2  Hour Use");
    panel.port.receive("34\r");
    EXPECT_EQ(panel.status(), " 1 2 3 4 Hour Use");
}

TEST_F(StatusRepliesTest, decodesNothingAfterACommandFrame) {
    EXPECT_EQ(ask("Command44", "80\r"), " Stand by");
    panel.handlers.click("Command17");
    panel.port.receive("00\r");
    EXPECT_EQ(panel.status(), " Stand by");
}

TEST_F(StatusRepliesTest, decodesALateReplyAgainstTheLastQuery) {
    panel.handlers.click("Command45");
    panel.clock.advance(1200);
    panel.port.receive("1\r");
    EXPECT_EQ(panel.status(), " Input 2");
}

TEST_F(StatusRepliesTest, aReplyAfterTheTimeoutIsNotReadAsTheAnswerToTheNextQuery) {
    panel.handlers.click("Command44");  // STATUS
    panel.clock.advance(700);
    panel.port.receive("00\r");
    EXPECT_EQ(panel.status(), " Power ON");  // late, but still decoded against STATUS
    panel.clock.advance(300);
    EXPECT_EQ(ask("Command45", "1\r"), " Input 2");  // MODE
    EXPECT_EQ(panel.rxd(), " 0 0 CR 1 CR ");
}

}  // namespace
}  // namespace qm5::test
