// SPDX-License-Identifier: MIT
// The buttons as the projector and the operator see them.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "core/control_table.h"
#include "support/panel_harness.h"

namespace qm5::test {
namespace {

TEST(OneShotButtonTest, sendsTheProjectorsDocumentedCodeAtEachClick) {
    const std::pair<std::string_view, std::string> documented[] = {
        {control::kPowerOn, "C00\r"},         {control::kPowerOff, "C02\r"},
        {control::kInput1, "C05\r"},          {control::kInput2Component, "C25\r"},
        {control::kInput3Component, "C26\r"}, {control::kAudioMuteOn, "C0B\r"},
        {control::kScreenZoom, "C2C\r"},      {control::kZoomSelector, "C80\r"},
        {control::kStatusQuery, "CR0\r"}};
    for (const auto& [button, frame] : documented) {
        PanelHarness panel;
        panel.handlers.click(button);
        panel.handlers.click(button);
        EXPECT_EQ(panel.port.frames(), (std::vector<std::string>{frame, frame})) << button;
    }
}

/// Each button pressed, released and clicked, as the window forwards a click.
TEST(ButtonBindingTest, everyButtonSendsOneFrameOfItsOwnAndOnlySelectorsSetTheArrows) {
    const std::set<std::string_view> sendNothing{control::kEndButton, control::kComButton,
                                                 control::kViewToggle};
    // What the adjustment selectors leave the arrows is ArrowTimingTest's.
    const std::set<std::string_view> selectors{control::kZoomSelector, control::kFocusSelector,
                                               control::kLensShiftSelector, control::kAImage,
                                               control::kMenuOn};
    std::map<std::string, std::string_view> senders;
    for (const ControlSpec& spec : controlTable()) {
        if (spec.kind != ControlKind::Button || sendNothing.contains(spec.name)) continue;
        PanelHarness panel;
        panel.repeatTimer.setEnabled(true);
        const auto mode = panel.handlers.state().adjustMode;
        panel.handlers.mouseDown(spec.name);
        panel.handlers.mouseUp(spec.name);
        const bool oneShot = panel.port.frames().empty();
        panel.handlers.click(spec.name);
        ASSERT_EQ(panel.port.frames().size(), 1U) << spec.name;
        const auto [sender, added] = senders.emplace(panel.port.frames()[0], spec.name);
        EXPECT_TRUE(added) << spec.name << " sends what " << sender->second << " sends";
        if (!oneShot) continue;
        EXPECT_TRUE(panel.repeatTimer.enabled()) << spec.name;
        if (selectors.contains(spec.name)) continue;
        EXPECT_EQ(panel.repeatTimer.interval(), 200) << spec.name;
        EXPECT_EQ(panel.handlers.state().adjustMode, mode) << spec.name;
    }
    EXPECT_EQ(senders.size(), 55U);
}

}  // namespace
}  // namespace qm5::test
