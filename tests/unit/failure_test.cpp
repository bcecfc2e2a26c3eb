// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "support/panel_harness.h"

namespace qm5::test {
namespace {

struct FailureTest : ::testing::Test {
    PanelHarness panel;
    const WindowState& state = panel.handlers.state();
};

TEST_F(FailureTest, aFailedSendStopsItsHandlerAndIsReportedOnce) {
    panel.port.failWrites(true);
    panel.handlers.click(control::kPowerOn);
    EXPECT_EQ(state.sendText.chars(), "C00\r");
    EXPECT_EQ(panel.txd(), "");
    EXPECT_FALSE(state.replyPending);
    EXPECT_FALSE(panel.replyTimeout.enabled());
    EXPECT_FALSE(panel.monitorClearing.enabled());
    EXPECT_EQ(panel.window.warnings(),
              (std::vector<std::string>{"COM1 (/dev/ttyS0): write failed"}));
    EXPECT_FALSE(panel.handlers.ended());
}

TEST_F(FailureTest, aSelectorWhoseSendFailsKeepsTheArrowsTiming) {
    panel.port.failWrites(true);
    panel.handlers.click(control::kZoomSelector);  // ZOOM
    EXPECT_EQ(panel.repeatTimer.interval(), 200);
    EXPECT_EQ(state.adjustMode, AdjustMode::None);
}

TEST_F(FailureTest, aPressWhoseSendFailsStartsNoRepeat) {
    panel.port.failWrites(true);
    panel.handlers.mouseDown(control::kVolumePlus);
    EXPECT_EQ(state.repeatCode, 1);
    EXPECT_FALSE(panel.repeatTimer.enabled());
    EXPECT_EQ(panel.replyTimeout.interval(), 500);
    panel.clock.advance(2000);
    EXPECT_EQ(panel.window.warnings().size(), 1U);
}

TEST_F(FailureTest, aRepeatWhoseSendsFailStopsAfterOneWarning) {
    panel.handlers.mouseDown(control::kVolumePlus);  // VOL +, every 250 ms
    panel.clock.advance(260);
    panel.port.failWrites(true);
    panel.clock.advance(5000);
    EXPECT_FALSE(panel.repeatTimer.enabled());
    EXPECT_EQ(panel.port.frames().size(), 2U);
    EXPECT_EQ(panel.window.warnings().size(), 1U);
    panel.handlers.mouseUp(control::kVolumePlus);
    EXPECT_EQ(state.repeatCode, 0);
}

TEST_F(FailureTest, aDeviceThatGoesAwayIsClosedAndReportedAndCanBeReopened) {
    panel.handlers.mouseDown(control::kZoomPlus);  // Zoom +, every 50 ms
    panel.clock.advance(120);
    panel.port.loseDevice();
    EXPECT_FALSE(panel.serial.isOpen());
    EXPECT_FALSE(panel.repeatTimer.enabled());
    EXPECT_EQ(panel.window.warnings().size(), 1U);
    panel.clock.advance(1000);
    EXPECT_EQ(panel.window.warnings().size(), 1U);
    panel.handlers.mouseUp(control::kZoomPlus);

    panel.handlers.click(control::kComButton);
    panel.choosePort(control::kCom1Option);
    EXPECT_EQ(panel.port.openPort(), 1);
    panel.handlers.click(control::kPowerOn);
    EXPECT_EQ(panel.port.frames().back(), "C00\r");
}

}  // namespace
}  // namespace qm5::test
