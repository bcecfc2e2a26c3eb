// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "core/control_table.h"
#include "core/controls.h"

namespace qm5 {
namespace {

TwipRect inWindow(const ControlSpec& spec) {
    TwipRect rect = spec.geometry;
    if (!spec.container.empty()) {
        const ControlSpec* frame = findControl(spec.container);
        rect.left += frame->geometry.left;
        rect.top += frame->geometry.top;
    }
    return rect;
}

TEST(ControlTableTest, holdsEveryControlOfTheWindowOnceByKind) {
    std::map<ControlKind, int> kinds;
    std::set<std::string_view> names;
    for (const ControlSpec& spec : controlTable()) {
        ++kinds[spec.kind];
        EXPECT_TRUE(names.insert(spec.name).second) << spec.name;
        if (!spec.container.empty()) {
            ASSERT_NE(findControl(spec.container), nullptr) << spec.name;
            EXPECT_EQ(findControl(spec.container)->kind, ControlKind::Frame) << spec.name;
        }
    }
    EXPECT_EQ(names.size(), 115U);
    EXPECT_EQ(kinds[ControlKind::Button], 58);
    EXPECT_EQ(kinds[ControlKind::Label], 23);
    EXPECT_EQ(kinds[ControlKind::Frame], 15);
    EXPECT_EQ(kinds[ControlKind::Option], 2);
    EXPECT_EQ(kinds[ControlKind::Line], 12);
    EXPECT_EQ(kinds[ControlKind::Timer], 4);
    EXPECT_EQ(kinds[ControlKind::SerialControl], 1);
}

TEST(ControlTableTest, fitsTheClientAreaAtEveryHeight) {
    const WindowSpec& form = windowSpec();
    for (const ControlSpec& spec : controlTable()) {
        if (spec.kind == ControlKind::Timer || spec.kind == ControlKind::SerialControl) continue;
        if (spec.kind == ControlKind::Line) {
            EXPECT_LE(std::max(spec.geometry.left, spec.geometry.width), form.clientWidth);
            continue;
        }
        const TwipRect rect = inWindow(spec);
        EXPECT_LE(rect.left + rect.width, 9375) << spec.name;
        EXPECT_LE(rect.top + rect.height, 6492) << spec.name;
    }
}

TEST(ControlTableTest, givesEveryFocusableControlItsOwnTabIndex) {
    std::set<int> tabs;
    for (const ControlSpec& spec : controlTable()) {
        if (spec.kind != ControlKind::Button && spec.kind != ControlKind::Option) continue;
        EXPECT_TRUE(tabs.insert(spec.tabIndex).second) << spec.name;
    }
    EXPECT_EQ(*tabs.begin(), findControl(control::kPowerOn)->tabIndex);
}

}  // namespace
}  // namespace qm5
