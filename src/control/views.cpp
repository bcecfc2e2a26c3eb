// SPDX-License-Identifier: MIT
#include "control/views.h"

#include <string_view>

#include "core/control_events.h"
#include "core/controls.h"
#include "core/timer.h"

namespace qm5 {

namespace {

constexpr std::string_view kShowData = "データを表示する";
constexpr std::string_view kHideData = "データを表示しない";
constexpr std::string_view kClose = "CLOSE";

}  // namespace

void Views::onKeyDown(std::int16_t keyCode, std::int16_t shift) {
    const int modifiers =
        shift & (ControlEvents::kShiftMask | ControlEvents::kCtrlMask | ControlEvents::kAltMask);
    if (modifiers != ControlEvents::kCtrlMask || keyCode != kKeyH) return;
    platform_.window.setHeight(kMaintenanceHeight);
    platform_.controls.setCaption(control::kViewToggle, kClose);
    platform_.controls.setVisible(control::kViewToggle, true);
}

void Views::onViewToggle() {
    platform_.portSelectorTimer.setEnabled(false);
    if (platform_.window.height() < kToggleThreshold) {
        platform_.window.setHeight(kDataHeight);
        platform_.controls.setCaption(control::kViewToggle, kHideData);
    } else {
        platform_.window.setHeight(kNormalHeight);
        platform_.controls.setCaption(control::kViewToggle, kShowData);
    }
    platform_.portSelectorTimer.setEnabled(true);
}

}  // namespace qm5
