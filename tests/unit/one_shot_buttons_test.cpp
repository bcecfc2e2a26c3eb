// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "support/panel_harness.h"

namespace qm5::test {
namespace {

struct OneShot {
    const char* control;
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
    EXPECT_EQ(panel.handlers.state().adjustMode, row.adjustMode);
    EXPECT_EQ(panel.replyTimeout.interval(), 500);
    EXPECT_EQ(panel.monitorClearing.interval(), 1000);
    EXPECT_TRUE(panel.replyTimeout.enabled());
    EXPECT_TRUE(panel.monitorClearing.enabled());

    panel.handlers.click(row.control);
    EXPECT_EQ(panel.port.frames(), (std::vector<std::string>{row.frame, row.frame}));
}

INSTANTIATE_TEST_SUITE_P(
    EveryButton, OneShotButtonTest,
    ::testing::Values(OneShot{"Command17", "C00\r", 200, 0}, OneShot{"Command18", "C02\r", 200, 0},
                      OneShot{"Command27", "C05\r", 200, 0}, OneShot{"Command28", "C06\r", 200, 0},
                      OneShot{"Command29", "C07\r", 200, 0}, OneShot{"Command53", "C08\r", 200, 0},
                      OneShot{"Command63", "C23\r", 200, 0}, OneShot{"Command64", "C24\r", 200, 0},
                      OneShot{"Command65", "C25\r", 200, 0}, OneShot{"Command66", "C26\r", 200, 0},
                      OneShot{"Command19", "C0B\r", 200, 0}, OneShot{"Command20", "C0C\r", 200, 0},
                      OneShot{"Command21", "C0D\r", 200, 0}, OneShot{"Command22", "C0E\r", 200, 0},
                      OneShot{"Command25", "C43\r", 200, 0}, OneShot{"Command26", "C44\r", 200, 0},
                      OneShot{"Command23", "C1C\r", 200, 1}, OneShot{"Command24", "C1D\r", 200, 0},
                      OneShot{"Command31", "C0F\r", 200, 0}, OneShot{"Command32", "C10\r", 200, 0},
                      OneShot{"Command67", "C2C\r", 200, 0}, OneShot{"Command68", "C2D\r", 200, 0},
                      OneShot{"Command69", "C28\r", 200, 0}, OneShot{"Command70", "C29\r", 200, 0},
                      OneShot{"Command71", "C2A\r", 200, 0}, OneShot{"Command72", "C2B\r", 200, 0},
                      OneShot{"Command73", "C27\r", 200, 0}, OneShot{"Command13", "C89\r", 200, 1},
                      OneShot{"Command4", "C1F\r", 200, 0}, OneShot{"Command3", "C1E\r", 200, 0},
                      OneShot{"Command10", "C80\r", 50, 2}, OneShot{"Command11", "C87\r", 100, 2},
                      OneShot{"Command41", "C88\r", 50, 2}, OneShot{"Command52", "C01\r", 200, 0},
                      OneShot{"Command44", "CR0\r", 200, 0}, OneShot{"Command45", "CR1\r", 200, 0},
                      OneShot{"Command46", "CR3\r", 200, 0},
                      OneShot{"Command47", "CR4\r", 200, 0}));

TEST(SelectorTest, theLastSelectorClickedSetsBothValues) {
    PanelHarness panel;
    panel.handlers.click("Command11");  // FOCUS
    panel.handlers.click("Command10");  // ZOOM
    EXPECT_EQ(panel.repeatTimer.interval(), 50);
    EXPECT_EQ(panel.handlers.state().adjustMode, 2);

    panel.handlers.click("Command23");  // MENU ON
    panel.handlers.click("Command24");  // MENU OFF
    EXPECT_EQ(panel.repeatTimer.interval(), 200);
    EXPECT_EQ(panel.handlers.state().adjustMode, 1);
}

}  // namespace
}  // namespace qm5::test
