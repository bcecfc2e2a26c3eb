// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/monitor_text.h"
#include "support/panel_harness.h"

namespace qm5::test {
namespace {

constexpr const char* kAck = "\x06";

struct ExchangeTest : ::testing::Test {
    PanelHarness panel;
    const WindowState& state = panel.handlers.state();

    void powerOn() { panel.handlers.click(control::kPowerOn); }
};

TEST_F(ExchangeTest, sendsShowsMarksAMissingReplyAndBlanks) {
    powerOn();
    EXPECT_EQ(panel.port.frames(), (std::vector<std::string>{"C00\r"}));
    EXPECT_EQ(panel.txd(), " C 0 0 CR ");
    EXPECT_TRUE(state.replyPending);

    panel.clock.advanceTo(499);
    EXPECT_EQ(panel.rxd(), "");
    panel.clock.advanceTo(500);
    EXPECT_EQ(panel.rxd(), " X X X X");
    EXPECT_FALSE(state.replyPending);
    EXPECT_FALSE(panel.replyTimeout.enabled());

    panel.clock.advanceTo(999);
    EXPECT_EQ(panel.txd(), " C 0 0 CR ");
    panel.clock.advanceTo(1000);
    EXPECT_EQ(panel.txd(), "");
    EXPECT_EQ(panel.rxd(), "");
    EXPECT_FALSE(panel.monitorClearing.enabled());
}

TEST_F(ExchangeTest, showsAReplyUntilTheMonitorIsCleared) {
    powerOn();
    panel.clock.advanceTo(100);
    panel.port.receive(kAck);
    EXPECT_EQ(panel.rxd(), " ACK ");
    EXPECT_FALSE(state.replyPending);
    panel.clock.advanceTo(999);
    EXPECT_EQ(panel.rxd(), " ACK ");
    EXPECT_TRUE(state.receiveText.empty());
    panel.clock.advanceTo(1000);
    EXPECT_EQ(panel.rxd(), "");
}

TEST_F(ExchangeTest, replacesTheNoReplyMarkWithALateReply) {
    powerOn();
    panel.clock.advanceTo(700);
    EXPECT_EQ(panel.rxd(), " X X X X");
    panel.port.receive(kAck);
    EXPECT_EQ(panel.rxd(), " ACK ");
    panel.clock.advanceTo(1000);
    EXPECT_EQ(panel.rxd(), "");
}

TEST_F(ExchangeTest, keepsAReplyAfterTheClearingUntilTheNextSendIsCleared) {
    powerOn();
    panel.clock.advanceTo(1200);
    panel.port.receive("late");
    panel.clock.advanceTo(60'000);
    EXPECT_EQ(panel.rxd(), " l a t e ");
    powerOn();
    panel.clock.advance(1000);
    EXPECT_EQ(panel.rxd(), "");
}

TEST_F(ExchangeTest, collectsAReplyThatArrivesInPieces) {
    panel.handlers.click(control::kStatusQuery);  // STATUS
    panel.port.receive("0");
    EXPECT_EQ(panel.rxd(), " 0 ");
    EXPECT_EQ(panel.status(), "");
    panel.port.receive("0\r");
    EXPECT_EQ(state.receiveText.chars(), "00\r");
    EXPECT_EQ(panel.rxd(), " 0 0 CR ");
    EXPECT_EQ(panel.status(), " Power ON");
    panel.clock.advance(1000);
    EXPECT_EQ(panel.status(), "");
}

TEST_F(ExchangeTest, ignoresEventsOtherThanAReception) {
    powerOn();
    panel.port.raiseEvent(LineEvent::Sent);
    panel.port.raiseEvent(LineEvent::FramingError);
    EXPECT_TRUE(state.replyPending);
    EXPECT_EQ(panel.rxd(), "");
}

TEST_F(ExchangeTest, showsASingleSpaceForAReceptionOfNothing) {
    panel.port.receive("");
    EXPECT_EQ(panel.rxd(), " ");
}

TEST_F(ExchangeTest, showsBothRepliesWhenASecondSendCameBeforeTheTimeout) {
    powerOn();
    panel.clock.advanceTo(100);
    panel.port.receive(kAck);
    panel.clock.advanceTo(300);
    panel.handlers.click(control::kPowerOff);
    panel.clock.advanceTo(400);
    panel.port.receive(kAck);
    EXPECT_EQ(panel.rxd(), " ACK ACK ");
}

TEST_F(ExchangeTest, holdsTheMonitorForAFullIntervalAfterTheLatestSend) {
    powerOn();
    panel.clock.advanceTo(900);
    panel.handlers.click(control::kPowerOff);
    panel.clock.advanceTo(1899);
    EXPECT_EQ(panel.txd(), " C 0 2 CR ");
    EXPECT_EQ(panel.rxd(), " X X X X");
    panel.clock.advanceTo(1900);
    EXPECT_EQ(panel.txd(), "");
    EXPECT_EQ(panel.rxd(), "");
}

TEST_F(ExchangeTest, boundsWhatAFloodingDeviceLeavesInTheReception) {
    const std::string burst(20'000, 'A');
    panel.port.receive(burst);
    panel.port.receive(burst);
    panel.port.receive(burst);
    EXPECT_EQ(state.receiveText.chars().size(), TrafficText::kMaxLength);
    EXPECT_EQ(panel.rxd(), monitorText(std::string(TrafficText::kMaxLength, 'A')));

    powerOn();
    panel.clock.advance(500);
    panel.port.receive("B");
    EXPECT_EQ(panel.rxd(), " B ");
}

TEST_F(ExchangeTest, showsTheReplyToAFrameSentAfterAFloodFilledTheReception) {
    panel.port.receive(std::string(40'000, 'A'));
    panel.handlers.click(control::kStatusQuery);
    panel.port.receive("0");
    panel.port.receive("0\r");
    EXPECT_EQ(panel.rxd(), " 0 0 CR ");
    EXPECT_EQ(panel.status(), " Power ON");
}

}  // namespace
}  // namespace qm5::test
