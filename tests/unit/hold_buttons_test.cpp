// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "support/panel_harness.h"

namespace qm5::test {
namespace {

struct Hold {
    std::string_view control;
    const char* frame;
    int repeatCode;
    int repeatTimer;
    int replyTimeout;
    int monitorClearing;
};

void PrintTo(const Hold& row, std::ostream* os) {
    *os << row.control;
}

class HoldButtonTest : public ::testing::TestWithParam<Hold> {};

TEST_P(HoldButtonTest, repeatsItsFrameEveryIntervalUntilReleased) {
    const Hold& row = GetParam();
    PanelHarness panel;
    panel.handlers.mouseDown(row.control);
    EXPECT_EQ(panel.handlers.state().repeatCode, row.repeatCode);
    EXPECT_EQ(panel.repeatTimer.interval(), row.repeatTimer);
    EXPECT_EQ(panel.replyTimeout.interval(), row.replyTimeout);
    EXPECT_EQ(panel.monitorClearing.interval(), row.monitorClearing);
    EXPECT_EQ(panel.port.frames().size(), 1U);

    panel.clock.advance(row.repeatTimer - 1);
    EXPECT_EQ(panel.port.frames().size(), 1U);
    panel.clock.advance(1);  // the first repeat, one full interval after the press
    EXPECT_EQ(panel.port.frames().size(), 2U);
    panel.clock.advance(2 * row.repeatTimer + 1);
    panel.handlers.mouseUp(row.control);

    const auto& writes = panel.port.writes();
    ASSERT_EQ(writes.size(), 4U);  // a hold of a little over 3 intervals
    for (std::size_t i = 0; i < writes.size(); ++i) {
        EXPECT_EQ(writes[i].chars, row.frame);
        EXPECT_EQ(writes[i].at, static_cast<std::int64_t>(i) * row.repeatTimer);
    }
    EXPECT_EQ(panel.handlers.state().repeatCode, 0);
    panel.clock.advance(10 * row.repeatTimer);
    EXPECT_EQ(writes.size(), 4U);
}

INSTANTIATE_TEST_SUITE_P(
    EveryButton, HoldButtonTest,
    ::testing::Values(Hold{control::kVolumePlus, "C09\r", 1, 250, 200, 245},
                      Hold{control::kVolumeMinus, "C0A\r", 2, 250, 200, 245},
                      Hold{control::kZoomPlus, "C47\r", 7, 50, 25, 25},
                      Hold{control::kZoomMinus, "C46\r", 8, 50, 25, 25},
                      Hold{control::kFocusPlus, "C4B\r", 9, 50, 25, 25},
                      Hold{control::kFocusMinus, "C4A\r", 10, 50, 25, 25},
                      Hold{control::kDigitalZoomPlus, "C30\r", 17, 250, 200, 245},
                      Hold{control::kDigitalZoomMinus, "C31\r", 18, 250, 200, 245},
                      Hold{control::kKeystonePlus, "C8E\r", 19, 250, 200, 245},
                      Hold{control::kKeystoneMinus, "C8F\r", 20, 250, 200, 245},
                      Hold{control::kLensShiftUp, "C5D\r", 21, 50, 25, 25},
                      Hold{control::kLensShiftDown, "C5E\r", 22, 50, 25, 25},
                      Hold{control::kSelect, "C3F\r", 13, 500, 200, 245},
                      // Arrows right after start: the starting intervals.
                      Hold{control::kArrowUp, "C3C\r", 3, 200, 500, 1000},
                      Hold{control::kArrowDown, "C3D\r", 4, 200, 500, 1000},
                      Hold{control::kArrowLeft, "C3B\r", 5, 200, 500, 1000},
                      Hold{control::kArrowRight, "C3A\r", 6, 200, 500, 1000}));

struct ReleaseTest : ::testing::Test {
    PanelHarness panel;
};

TEST_F(ReleaseTest, blanksTheMonitorAtOnceAndRestoresTheNormalTimeouts) {
    panel.handlers.mouseDown(control::kZoomPlus);
    panel.clock.advance(10);
    panel.port.receive("\x06");
    EXPECT_EQ(panel.rxd(), " ACK ");
    panel.handlers.mouseUp(control::kZoomPlus);
    EXPECT_EQ(panel.txd(), "");
    EXPECT_EQ(panel.rxd(), "");
    EXPECT_TRUE(panel.handlers.state().receiveText.empty());
    EXPECT_FALSE(panel.repeatTimer.enabled());
    EXPECT_FALSE(panel.replyTimeout.enabled());
    EXPECT_TRUE(panel.monitorClearing.enabled());
    EXPECT_EQ(panel.replyTimeout.interval(), 500);
    EXPECT_EQ(panel.monitorClearing.interval(), 1000);
    EXPECT_EQ(panel.repeatTimer.interval(), 50);
    EXPECT_EQ(panel.handlers.state().adjustMode, AdjustMode::None);

    panel.handlers.click(control::kPowerOn);
    panel.clock.advance(499);
    EXPECT_EQ(panel.rxd(), "");
    panel.clock.advance(1);
    EXPECT_EQ(panel.rxd(), " X X X X");
}

TEST_F(ReleaseTest, ofDZoomLeavesTheArrowsTheirFastestTiming) {
    for (const std::string_view dzoom : {control::kDigitalZoomPlus, control::kDigitalZoomMinus}) {
        PanelHarness fresh;
        fresh.hold(dzoom, 300);
        EXPECT_EQ(fresh.repeatTimer.interval(), 5);
        EXPECT_FALSE(fresh.repeatTimer.enabled());
        EXPECT_EQ(fresh.handlers.state().adjustMode, AdjustMode::DigitalZoom);
        // A later hold button takes its own interval and leaves the mode.
        fresh.handlers.mouseDown(control::kVolumePlus);
        EXPECT_EQ(fresh.repeatTimer.interval(), 250);
        EXPECT_EQ(fresh.handlers.state().adjustMode, AdjustMode::DigitalZoom);
    }
}

TEST_F(ReleaseTest, ofSelectSendsNothingMore) {
    panel.hold(control::kSelect, 1100);
    panel.clock.advance(5000);
    const std::vector<std::string> expected(3, "C3F\r");
    EXPECT_EQ(panel.port.frames(), expected);
    EXPECT_EQ(panel.handlers.state().repeatCode, 0);
}

TEST(SecondPressTest, sendsOneMoreFrameAtOnceAndTheFirstReleaseStops) {
    PanelHarness panel;
    panel.handlers.mouseDown(control::kVolumePlus);
    panel.clock.advance(100);
    panel.handlers.mouseDown(control::kVolumePlus);
    EXPECT_EQ(panel.port.frames().size(), 2U);
    panel.clock.advance(250);
    EXPECT_EQ(panel.port.writes().back().at, 350);
    panel.handlers.mouseUp(control::kVolumePlus);
    panel.clock.advance(1000);
    EXPECT_EQ(panel.port.frames().size(), 3U);
}

TEST(NoReplyTest, aHoldKeepsSendingAndMarksEachMissingReply) {
    PanelHarness panel;
    panel.handlers.mouseDown(control::kVolumePlus);
    panel.clock.advance(200);
    EXPECT_EQ(panel.rxd(), " X X X X");
    panel.clock.advance(50);
    EXPECT_EQ(panel.port.frames().size(), 2U);
    panel.clock.advance(245);
    EXPECT_EQ(panel.txd(), "");
}

}  // namespace
}  // namespace qm5::test
