// SPDX-License-Identifier: MIT
#include "app/views.h"

#include <string_view>

#include "core/timer.h"
#include "link/serial_control.h"

namespace qm5 {

namespace {

constexpr std::string_view kViewToggle = "Command34";
constexpr std::string_view kShowData = "データを表示する";
constexpr std::string_view kHideData = "データを表示しない";
constexpr std::string_view kClose = "CLOSE";

}  // namespace

void Views::Form_KeyDown(std::int16_t keyCode, std::int16_t shift) {
    const int modifiers = shift & (kShiftMask | kCtrlMask | kAltMask);
    if (modifiers != kCtrlMask || keyCode != kKeyH) return;
    platform_.window.setHeight(kMaintenanceHeight);
    platform_.controls.setCaption(kViewToggle, kClose);
    platform_.controls.setVisible(kViewToggle, true);
}

void Views::Command34_Click() {
    platform_.Timer3.setEnabled(false);
    if (platform_.window.height() < kToggleThreshold) {
        platform_.window.setHeight(kDataHeight);
        platform_.controls.setCaption(kViewToggle, kHideData);
    } else {
        platform_.window.setHeight(kNormalHeight);
        platform_.controls.setCaption(kViewToggle, kShowData);
    }
    platform_.Timer3.setEnabled(true);
}

void Views::Command16_Click() {
    // The program ends whether or not the port closes cleanly.
    try {
        platform_.MSComm1.setPortOpen(false);
    } catch (const SerialError&) {
    }
    platform_.window.end();
}

}  // namespace qm5
