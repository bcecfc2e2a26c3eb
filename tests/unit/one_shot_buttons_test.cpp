// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "support/panel_harness.h"

namespace qm5::test {
namespace {

struct OneShot {
    std::string_view control;
    const char* frame;
    int repeatTimer;  // the repeat timer's interval after the click; 200 at start
    int adjustMode;
};

void PrintTo(const OneShot& row, std::ostream* os) {
    *os << row.control;
}

class OneShotButtonTest : public ::testing::TestWithParam<OneShot> {};

TEST_P(OneShotButtonTest, sendsItsFrameOncePerClickAndSetsTheArrowsTiming) {
    const OneShot& row = GetParam();
    PanelHarness panel;
    panel.repeatTimer.setEnabled(true);  // a selector changes the interval, never whether it runs

    panel.handlers.click(row.control);
    EXPECT_EQ(panel.port.frames(), (std::vector<std::string>{row.frame}));
    EXPECT_EQ(panel.handlers.state().sendText.chars(), row.frame);
    EXPECT_EQ(panel.repeatTimer.interval(), row.repeatTimer);
    EXPECT_TRUE(panel.repeatTimer.enabled());
    EXPECT_EQ(static_cast<int>(panel.handlers.state().adjustMode), row.adjustMode);
    EXPECT_EQ(panel.replyTimeout.interval(), 500);
    EXPECT_EQ(panel.monitorClearing.interval(), 1000);
    EXPECT_TRUE(panel.replyTimeout.enabled());
    EXPECT_TRUE(panel.monitorClearing.enabled());

    panel.handlers.click(row.control);
    EXPECT_EQ(panel.port.frames(), (std::vector<std::string>{row.frame, row.frame}));
}

INSTANTIATE_TEST_SUITE_P(
    EveryButton, OneShotButtonTest,
    ::testing::Values(
        OneShot{control::kPowerOn, "C00\r", 200, 0}, OneShot{control::kPowerOff, "C02\r", 200, 0},
        OneShot{control::kInput1, "C05\r", 200, 0}, OneShot{control::kInput2Rgb, "C06\r", 200, 0},
        OneShot{control::kInput2Video, "C07\r", 200, 0},
        OneShot{control::kInput3Video, "C08\r", 200, 0},
        OneShot{control::kInput2SVideo, "C23\r", 200, 0},
        OneShot{control::kInput2YC, "C24\r", 200, 0},
        OneShot{control::kInput2Component, "C25\r", 200, 0},
        OneShot{control::kInput3Component, "C26\r", 200, 0},
        OneShot{control::kAudioMuteOn, "C0B\r", 200, 0},
        OneShot{control::kAudioMuteOff, "C0C\r", 200, 0},
        OneShot{control::kVideoMuteOn, "C0D\r", 200, 0},
        OneShot{control::kVideoMuteOff, "C0E\r", 200, 0},
        OneShot{control::kFreezeOn, "C43\r", 200, 0}, OneShot{control::kFreezeOff, "C44\r", 200, 0},
        OneShot{control::kMenuOn, "C1C\r", 200, 1}, OneShot{control::kMenuOff, "C1D\r", 200, 0},
        OneShot{control::kScreenNormal, "C0F\r", 200, 0},
        OneShot{control::kScreenFull, "C10\r", 200, 0},
        OneShot{control::kScreenZoom, "C2C\r", 200, 0},
        OneShot{control::kScreenWideZoom, "C2D\r", 200, 0},
        OneShot{control::kOnStartOn, "C28\r", 200, 0},
        OneShot{control::kOnStartOff, "C29\r", 200, 0},
        OneShot{control::kPowerManagementOn, "C2A\r", 200, 0},
        OneShot{control::kPowerManagementOff, "C2B\r", 200, 0},
        OneShot{control::kImage, "C27\r", 200, 0}, OneShot{control::kAImage, "C89\r", 200, 1},
        OneShot{control::kNormal, "C1F\r", 200, 0},
        OneShot{control::kDisplayClear, "C1E\r", 200, 0},
        OneShot{control::kZoomSelector, "C80\r", 50, 2},
        OneShot{control::kFocusSelector, "C87\r", 100, 2},
        OneShot{control::kLensShiftSelector, "C88\r", 50, 2},
        OneShot{control::kC01, "C01\r", 200, 0}, OneShot{control::kStatusQuery, "CR0\r", 200, 0},
        OneShot{control::kModeQuery, "CR1\r", 200, 0},
        OneShot{control::kLampTimeQuery, "CR3\r", 200, 0},
        OneShot{control::kSettingQuery, "CR4\r", 200, 0}));

TEST(SelectorTest, theLastSelectorClickedSetsBothValues) {
    PanelHarness panel;
    panel.handlers.click(control::kFocusSelector);  // FOCUS
    panel.handlers.click(control::kZoomSelector);   // ZOOM
    EXPECT_EQ(panel.repeatTimer.interval(), 50);
    EXPECT_EQ(panel.handlers.state().adjustMode, AdjustMode::Lens);

    panel.handlers.click(control::kMenuOn);   // MENU ON
    panel.handlers.click(control::kMenuOff);  // MENU OFF
    EXPECT_EQ(panel.repeatTimer.interval(), 200);
    EXPECT_EQ(panel.handlers.state().adjustMode, AdjustMode::Menu);
}

}  // namespace
}  // namespace qm5::test
