// SPDX-License-Identifier: MIT
#include "app/views.h"

#include <string_view>

#include "core/control_events.h"
#include "core/layout_names.h"
#include "core/timer.h"
#include "link/serial_control.h"

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
    platform_.controls.setCaption(layout::kViewToggle, kClose);
    platform_.controls.setVisible(layout::kViewToggle, true);
}

void Views::onViewToggle() {
    platform_.selectorTimer.setEnabled(false);
    if (platform_.window.height() < kToggleThreshold) {
        platform_.window.setHeight(kDataHeight);
        platform_.controls.setCaption(layout::kViewToggle, kHideData);
    } else {
        platform_.window.setHeight(kNormalHeight);
        platform_.controls.setCaption(layout::kViewToggle, kShowData);
    }
    platform_.selectorTimer.setEnabled(true);
}

void Views::onComButton() {
    platform_.controls.setVisible(layout::kPortSelector, true);
    platform_.selectorTimer.setEnabled(true);
}

void Views::onSelectorTimeout() {
    hidePortSelector();
    platform_.selectorTimer.setEnabled(false);
}

void Views::hidePortSelector() {
    platform_.controls.setVisible(layout::kPortSelector, false);
}

void Views::onEnd() {
    // The program ends whether or not the port closes cleanly.
    try {
        serial_.setOpen(false);
    } catch (const SerialError&) {
    }
    platform_.window.end();
}

}  // namespace qm5
