// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

#include "core/platform.h"

namespace qm5 {

/// The window's heights: normal, data and maintenance view, changed by Ctrl+H and the view
/// toggle.
class Views {
  public:
    static constexpr float kNormalHeight = 5200;
    static constexpr float kDataHeight = 6645;
    static constexpr float kMaintenanceHeight = 7000;
    /// A window lower than this grows at the view toggle; any other shrinks.
    static constexpr float kToggleThreshold = 6000;
    static constexpr std::int16_t kKeyH = 72;

    explicit Views(PanelPlatform& platform) : platform_(platform) {}

    /// Ctrl+H alone opens the maintenance view; every key goes on to the focused control.
    void onKeyDown(std::int16_t keyCode, std::int16_t shift);
    void onViewToggle();

  private:
    PanelPlatform& platform_;
};

}  // namespace qm5
