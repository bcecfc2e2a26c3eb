// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "support/panel_harness.h"

namespace qm5::test {
namespace {

TEST(StartupTest, centresForTheDesignHeightThenCutsTheWindowDown) {
    PanelHarness panel{PanelHarness::NotLoaded{}};
    panel.window.setScreen(15360, 11520);  // 1024 x 768 pixels
    panel.handlers.load();
    EXPECT_FLOAT_EQ(panel.window.left(), 2880);
    EXPECT_FLOAT_EQ(panel.window.top(), 2265);
    EXPECT_FLOAT_EQ(panel.window.height(), 5200);
}

TEST(StartupTest, placesTheWindowPartlyOffASmallScreenWithoutClamping) {
    PanelHarness panel{PanelHarness::NotLoaded{}};
    panel.window.setScreen(6000, 4000);
    panel.handlers.load();
    EXPECT_FLOAT_EQ(panel.window.left(), -1800);
    EXPECT_FLOAT_EQ(panel.window.top(), -1495);
}

// Once: the option is selected without the click that would close and reopen the port.
TEST(StartupTest, opensCom1OnceAndSendsNothing) {
    PanelHarness panel;
    EXPECT_EQ(panel.port.opens(), (std::vector<int>{1}));
    EXPECT_EQ(panel.port.openPort(), 1);
    EXPECT_EQ(panel.serial.lineSettings(), "19200,N,8,1");
    EXPECT_EQ(panel.port.openedWith(), (LineSettings{19200, Parity::None, 8, StopBits::One}));
    EXPECT_TRUE(panel.window.value(control::kCom1Option));
    EXPECT_FALSE(panel.window.value(control::kCom2Option));
    EXPECT_FALSE(panel.window.visible(control::kPortSelector));
    EXPECT_FALSE(panel.window.visible(control::kViewToggle));

    const WindowState& state = panel.handlers.state();
    EXPECT_EQ(state.repeatCode, 0);
    EXPECT_FALSE(state.replyPending);
    EXPECT_EQ(state.adjustMode, AdjustMode::None);
    EXPECT_TRUE(state.sendText.empty());
    EXPECT_TRUE(state.receiveText.empty());

    for (const Timer* timer : {&panel.repeatTimer, &panel.replyTimeout, &panel.portSelectorTimer,
                               &panel.monitorClearing}) {
        EXPECT_FALSE(timer->enabled());
    }
    EXPECT_EQ(panel.repeatTimer.interval(), 200);
    EXPECT_EQ(panel.replyTimeout.interval(), 500);
    EXPECT_EQ(panel.portSelectorTimer.interval(), 5000);
    EXPECT_EQ(panel.monitorClearing.interval(), 1000);

    panel.clock.advance(60'000);
    EXPECT_TRUE(panel.port.writes().empty());
    EXPECT_TRUE(panel.window.warnings().empty());
}

TEST(StartupTest, showsTheWindowWithThePortClosedWhenCom1CannotBeOpened) {
    for (const bool missing : {true, false}) {
        PanelHarness panel{PanelHarness::NotLoaded{}};
        panel.port.setMissing(1, missing);
        panel.port.setBusy(1, !missing);
        panel.handlers.load();

        EXPECT_FALSE(panel.serial.isOpen());
        EXPECT_EQ(panel.window.warnings().size(), 1U);
        EXPECT_FALSE(panel.handlers.ended());
        EXPECT_FLOAT_EQ(panel.window.height(), 5200);
        // Start-up stopped at the failed opening: no option was chosen.
        EXPECT_FALSE(panel.window.value(control::kCom1Option));

        // The operator can still choose the port once it is there.
        panel.port.setMissing(1, false);
        panel.port.setBusy(1, false);
        panel.handlers.click(control::kComButton);
        panel.choosePort(control::kCom1Option);
        EXPECT_EQ(panel.port.openPort(), 1);
        EXPECT_FALSE(panel.window.visible(control::kPortSelector));
    }
}

}  // namespace
}  // namespace qm5::test
