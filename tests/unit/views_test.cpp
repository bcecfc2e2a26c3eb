// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "support/panel_harness.h"

namespace qm5::test {
namespace {

constexpr int kH = 72;
constexpr int kShift = 1;
constexpr int kCtrl = 2;
constexpr int kAlt = 4;

struct ViewsTest : ::testing::Test {
    PanelHarness panel;

    void key(int code, int shift) {
        panel.handlers.keyDown(static_cast<std::int16_t>(code), static_cast<std::int16_t>(shift));
    }
    void ctrlH() { key(kH, kCtrl); }
    void toggle() { panel.handlers.click(control::kViewToggle); }
    /// Height, toggle caption and whether the toggle shows.
    std::tuple<float, std::string, bool> view() const {
        return {panel.window.height(), panel.window.caption(control::kViewToggle),
                panel.window.visible(control::kViewToggle)};
    }
};

TEST_F(ViewsTest, movesBetweenTheViewsAsTheOperatorAsks) {
    using View = std::tuple<float, std::string, bool>;
    const View normalHidden{5200, "データを表示する", false};
    const View maintenance{7000, "CLOSE", true};
    const View normal{5200, "データを表示する", true};
    const View data{6645, "データを表示しない", true};

    EXPECT_EQ(view(), normalHidden);
    ctrlH();
    EXPECT_EQ(view(), maintenance);
    toggle();
    EXPECT_EQ(view(), normal);
    toggle();
    EXPECT_EQ(view(), data);
    toggle();
    EXPECT_EQ(view(), normal);
    toggle();
    ctrlH();
    EXPECT_EQ(view(), maintenance);
    ctrlH();
    EXPECT_EQ(view(), maintenance);
    EXPECT_TRUE(panel.port.writes().empty());
}

TEST_F(ViewsTest, opensOnlyForCtrlHAlone) {
    for (const int shift : {0, kShift, kAlt, kCtrl | kShift, kCtrl | kAlt, kCtrl | kShift | kAlt}) {
        key(kH, shift);
    }
    key(71, kCtrl);  // Ctrl+G
    EXPECT_EQ(panel.window.height(), 5200);
    EXPECT_FALSE(panel.window.visible(control::kViewToggle));

    key(kH, kCtrl | 8);  // bits above Alt do not count
    EXPECT_EQ(panel.window.height(), 7000);
}

TEST_F(ViewsTest, countsAWindowOfExactly6000AsTall) {
    ctrlH();
    panel.window.setHeight(6000);
    toggle();
    EXPECT_EQ(panel.window.height(), 5200);
}

TEST_F(ViewsTest, theToggleRestartsTheSelectorsAutoHide) {
    panel.handlers.click(control::kComButton);
    panel.clock.advanceTo(3000);
    ctrlH();
    toggle();
    panel.clock.advanceTo(7999);
    EXPECT_TRUE(panel.window.visible(control::kPortSelector));
    panel.clock.advanceTo(8000);
    EXPECT_FALSE(panel.window.visible(control::kPortSelector));
    EXPECT_FALSE(panel.portSelectorTimer.enabled());
}

TEST_F(ViewsTest, endClosesThePortAndNothingRunsAfterIt) {
    panel.handlers.click(control::kPowerOn);
    panel.handlers.click(control::kEndButton);
    EXPECT_FALSE(panel.serial.isOpen());
    EXPECT_TRUE(panel.window.ended());
    EXPECT_TRUE(panel.handlers.ended());

    panel.clock.advance(2000);
    panel.handlers.click(control::kPowerOff);
    EXPECT_EQ(panel.txd(), " C 0 0 CR ");
    EXPECT_EQ(panel.rxd(), "");
    EXPECT_EQ(panel.port.frames().size(), 1U);
}

TEST_F(ViewsTest, endEndsTheProgramEvenWhenThePortWillNotClose) {
    panel.port.failClose(true);
    panel.handlers.click(control::kEndButton);
    EXPECT_TRUE(panel.window.ended());
    EXPECT_TRUE(panel.window.warnings().empty());
}

}  // namespace
}  // namespace qm5::test
