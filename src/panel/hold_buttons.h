// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "core/frame_sender.h"
#include "core/platform.h"
#include "core/window_state.h"

namespace qm5 {

/// Intervals a press gives the repeat timer, the reply timeout and the monitor clearing, in
/// milliseconds.
struct HoldTiming {
    int repeat;
    int replyTimeout;
    int monitorClearing;
};

/// A button that repeats its code while held.
struct HoldButton {
    std::string_view control;
    std::string_view code;
    std::uint8_t repeatCode;
    /// Fixed timing; the arrows have none and take theirs from the adjust mode instead.
    std::optional<HoldTiming> timing;
    /// D.Zoom: its release leaves the arrows their fastest timing.
    bool releaseSetsFastestArrows = false;
};

std::span<const HoldButton> holdButtons();

/// The code the repeat tick resends for a repeat code, if any.
std::optional<std::string_view> tickCode(std::uint8_t repeatCode);

/// Press, repeat tick and release of the hold buttons and the arrow pad.
class HoldButtons {
  public:
    static constexpr int kFastestArrowRepeatMs = 5;

    HoldButtons(PanelPlatform& platform, WindowState& state, FrameSender& sender)
        : platform_(platform), state_(state), sender_(sender) {}

    void press(const HoldButton& button);
    void release(const HoldButton& button);
    void onRepeatTick();

  private:
    void pressWithFixedTiming(const HoldButton& button, const HoldTiming& timing);
    void pressArrow(const HoldButton& button);

    PanelPlatform& platform_;
    WindowState& state_;
    FrameSender& sender_;
};

}  // namespace qm5
