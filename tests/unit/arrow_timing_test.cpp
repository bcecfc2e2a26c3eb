// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <functional>

#include "support/panel_harness.h"

namespace qm5::test {
namespace {

struct ArrowTiming {
    const char* setting;  // what the operator did last before the arrow
    std::function<void(PanelHarness&)> act;
    int period;
    int replyTimeout;
    int monitorClearing;
};

void PrintTo(const ArrowTiming& row, std::ostream* os) {
    *os << row.setting;
}

class ArrowTimingTest : public ::testing::TestWithParam<ArrowTiming> {};

TEST_P(ArrowTimingTest, repeatsAtTheIntervalTheLastSettingLeft) {
    const ArrowTiming& row = GetParam();
    for (const std::string_view arrow :
         {control::kArrowUp, control::kArrowDown, control::kArrowLeft, control::kArrowRight}) {
        PanelHarness panel;
        row.act(panel);
        panel.clock.advance(5000);
        const std::size_t before = panel.port.frames().size();

        panel.handlers.mouseDown(arrow);
        EXPECT_EQ(panel.replyTimeout.interval(), row.replyTimeout) << arrow;
        EXPECT_EQ(panel.monitorClearing.interval(), row.monitorClearing) << arrow;
        EXPECT_EQ(panel.repeatTimer.interval(), row.period) << arrow;
        panel.clock.advance(4 * row.period);
        panel.handlers.mouseUp(arrow);

        const auto& writes = panel.port.writes();
        ASSERT_EQ(writes.size() - before, 5U) << arrow;
        EXPECT_EQ(writes.back().at - writes[before].at, 4 * row.period) << arrow;
    }
}

void click(PanelHarness& panel, std::string_view control) {
    panel.handlers.click(control);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, ArrowTimingTest,
    ::testing::Values(
        ArrowTiming{"nothing", [](PanelHarness&) {}, 200, 500, 1000},
        ArrowTiming{"A-IMAGE", [](PanelHarness& p) { click(p, control::kAImage); }, 200, 150, 190},
        ArrowTiming{"MENU ON", [](PanelHarness& p) { click(p, control::kMenuOn); }, 200, 150, 190},
        ArrowTiming{"ZOOM", [](PanelHarness& p) { click(p, control::kZoomSelector); }, 50, 50, 75},
        ArrowTiming{"Lens shift", [](PanelHarness& p) { click(p, control::kLensShiftSelector); },
                    50, 50, 75},
        ArrowTiming{"FOCUS", [](PanelHarness& p) { click(p, control::kFocusSelector); }, 100, 50,
                    75},
        ArrowTiming{"FOCUS then ZOOM",
                    [](PanelHarness& p) {
                        click(p, control::kFocusSelector);
                        click(p, control::kZoomSelector);
                    },
                    50, 50, 75},
        ArrowTiming{"D.Zoom +", [](PanelHarness& p) { p.hold(control::kDigitalZoomPlus, 10); }, 5,
                    5, 5},
        ArrowTiming{"D.Zoom -", [](PanelHarness& p) { p.hold(control::kDigitalZoomMinus, 10); }, 5,
                    5, 5},
        ArrowTiming{"ZOOM then VOL +",
                    [](PanelHarness& p) {
                        click(p, control::kZoomSelector);
                        p.hold(control::kVolumePlus, 10);
                    },
                    250, 50, 75},
        ArrowTiming{"SELECT", [](PanelHarness& p) { p.hold(control::kSelect, 10); }, 500, 500,
                    1000},
        ArrowTiming{"FOCUS then SELECT",
                    [](PanelHarness& p) {
                        click(p, control::kFocusSelector);
                        p.hold(control::kSelect, 10);
                    },
                    500, 50, 75},
        ArrowTiming{"MENU ON then OFF",
                    [](PanelHarness& p) {
                        click(p, control::kMenuOn);
                        click(p, control::kMenuOff);
                    },
                    200, 150, 190}));

TEST(SelectTimingTest, isFixedInEveryMode) {
    PanelHarness panel;
    panel.hold(control::kDigitalZoomPlus, 10);  // mode 3, 5 ms
    panel.handlers.mouseDown(control::kSelect);
    EXPECT_EQ(panel.repeatTimer.interval(), 500);
    EXPECT_EQ(panel.replyTimeout.interval(), 200);
    EXPECT_EQ(panel.monitorClearing.interval(), 245);
}

TEST(ArrowFailureTest, keepsTheIntervalsItSetBeforeTheFailedSend) {
    PanelHarness panel;
    panel.handlers.click(control::kZoomSelector);  // ZOOM: mode 2
    panel.port.failWrites(true);
    panel.handlers.mouseDown(control::kArrowUp);
    EXPECT_EQ(panel.replyTimeout.interval(), 50);
    EXPECT_EQ(panel.monitorClearing.interval(), 75);
    EXPECT_EQ(panel.handlers.state().repeatCode, 3);
    EXPECT_FALSE(panel.repeatTimer.enabled());
}

}  // namespace
}  // namespace qm5::test
