// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "app/window_state.h"
#include "core/platform.h"
#include "link/exchange.h"

namespace qm5 {

/// Intervals a press gives the repeat (Timer1), the reply timeout (Timer2) and the monitor
/// clearing (Timer4), in milliseconds.
struct HoldTiming {
    int timer1;
    int timer2;
    int timer4;
};

/// A button that repeats its code while held.
struct HoldButton {
    std::string_view control;
    std::string_view code;
    std::uint8_t repeatCode;
    /// Fixed timing; the arrows have none and take theirs from AdjustMode instead.
    std::optional<HoldTiming> timing;
    /// D.Zoom: its release leaves the arrows their fastest timing.
    bool releaseSetsFastestArrows = false;
};

std::span<const HoldButton> holdButtons();

/// The code the repeat tick resends for a RepeatCode, if any.
std::optional<std::string_view> tickCode(std::uint8_t repeatCode);

/// Press, repeat tick and release of the hold buttons and the arrow pad.
class HoldButtons {
  public:
    static constexpr int kRepeatAtStartMs = 200;
    static constexpr int kFastestArrowRepeatMs = 5;
    static constexpr std::uint8_t kFastestArrowMode = 3;

    HoldButtons(FormPlatform& platform, WindowState& state, Exchange& exchange)
        : platform_(platform), state_(state), exchange_(exchange) {}

    void mouseDown(const HoldButton& button);
    void mouseUp(const HoldButton& button);
    void Timer1_Timer();

  private:
    void pressWithFixedTiming(const HoldButton& button, const HoldTiming& timing);
    void pressArrow(const HoldButton& button);

    FormPlatform& platform_;
    WindowState& state_;
    Exchange& exchange_;
};

}  // namespace qm5
