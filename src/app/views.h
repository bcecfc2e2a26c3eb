// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

#include "core/platform.h"

namespace qm5 {

/// The window's heights (normal, data, maintenance view), the view toggle and the end.
class Views {
  public:
    static constexpr float kNormalHeight = 5200;
    static constexpr float kDataHeight = 6645;
    static constexpr float kMaintenanceHeight = 7000;
    /// A window lower than this grows at the view toggle; any other shrinks.
    static constexpr float kToggleThreshold = 6000;

    static constexpr std::int16_t kKeyH = 72;
    static constexpr std::int16_t kShiftMask = 1;
    static constexpr std::int16_t kCtrlMask = 2;
    static constexpr std::int16_t kAltMask = 4;

    explicit Views(FormPlatform& platform) : platform_(platform) {}

    /// Ctrl+H alone opens the maintenance view; every key goes on to the focused control.
    void Form_KeyDown(std::int16_t keyCode, std::int16_t shift);
    /// The view toggle.
    void Command34_Click();
    /// "END".
    void Command16_Click();

  private:
    FormPlatform& platform_;
};

}  // namespace qm5
