// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

#include "core/platform.h"

namespace qm5 {

class SerialControl;

/// The window's heights (normal, data, maintenance view), the view toggle, the port selector's
/// showing and hiding, and the end.
class Views {
  public:
    static constexpr float kNormalHeight = 5200;
    static constexpr float kDataHeight = 6645;
    static constexpr float kMaintenanceHeight = 7000;
    /// A window lower than this grows at the view toggle; any other shrinks.
    static constexpr float kToggleThreshold = 6000;
    static constexpr std::int16_t kKeyH = 72;

    Views(FormPlatform& platform, SerialControl& serial) : platform_(platform), serial_(serial) {}

    /// Ctrl+H alone opens the maintenance view; every key goes on to the focused control.
    void onKeyDown(std::int16_t keyCode, std::int16_t shift);
    void onViewToggle();
    /// "COM": shows the port selector until the selector timer hides it.
    void onComButton();
    void onSelectorTimeout();
    void hidePortSelector();
    /// "END".
    void onEnd();

  private:
    FormPlatform& platform_;
    SerialControl& serial_;
};

}  // namespace qm5
