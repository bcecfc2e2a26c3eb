// SPDX-License-Identifier: MIT
#include "panel/hold_buttons.h"

#include <algorithm>
#include <array>

#include "core/timer.h"

namespace qm5 {

namespace {

constexpr HoldTiming kSlow{250, 200, 245};
constexpr HoldTiming kFast{50, 25, 25};
constexpr HoldTiming kSelect{500, 200, 245};

// The tick resends the code of the pressed button, so one table serves press and tick. SELECT
// releases to 0 like every other button: a tick can never send a code no button owns.
const std::array kButtons{
    HoldButton{"Command1", "C09", 1, kSlow},          // VOL +
    HoldButton{"Command2", "C0A", 2, kSlow},          // VOL -
    HoldButton{"Command5", "C3C", 3, {}},             // arrow up
    HoldButton{"Command7", "C3D", 4, {}},             // arrow down
    HoldButton{"Command9", "C3B", 5, {}},             // arrow left
    HoldButton{"Command8", "C3A", 6, {}},             // arrow right
    HoldButton{"Command15", "C47", 7, kFast},         // Zoom +
    HoldButton{"Command35", "C46", 8, kFast},         // Zoom -
    HoldButton{"Command36", "C4B", 9, kFast},         // Focus +
    HoldButton{"Command37", "C4A", 10, kFast},        // Focus -
    HoldButton{"Command6", "C3F", 13, kSelect},       // SELECT
    HoldButton{"Command48", "C30", 17, kSlow, true},  // D.Zoom +
    HoldButton{"Command49", "C31", 18, kSlow, true},  // D.Zoom -
    HoldButton{"Command50", "C8E", 19, kSlow},        // Keystone +
    HoldButton{"Command51", "C8F", 20, kSlow},        // Keystone -
    HoldButton{"Command59", "C5D", 21, kFast},        // Lens shift up
    HoldButton{"Command62", "C5E", 22, kFast},        // Lens shift down
};

struct ArrowTiming {
    std::uint8_t adjustMode;
    int timer2;
    int timer4;
};

// Mode 0 (nothing chosen yet) leaves the normal reply timeout and monitor clearing.
constexpr std::array kArrowTimings{
    ArrowTiming{1, 150, 190},
    ArrowTiming{2, 50, 75},
    ArrowTiming{3, 5, 5},
};

}  // namespace

std::span<const HoldButton> holdButtons() {
    return kButtons;
}

std::optional<std::string_view> tickCode(std::uint8_t repeatCode) {
    const auto row = std::ranges::find(kButtons, repeatCode, &HoldButton::repeatCode);
    if (repeatCode == 0 || row == kButtons.end()) return std::nullopt;
    return row->code;
}

void HoldButtons::mouseDown(const HoldButton& button) {
    if (button.timing) {
        pressWithFixedTiming(button, *button.timing);
    } else {
        pressArrow(button);
    }
}

void HoldButtons::pressWithFixedTiming(const HoldButton& button, const HoldTiming& timing) {
    state_.RepeatCode = button.repeatCode;
    exchange_.send(button.code);
    platform_.Timer1.setInterval(timing.timer1);
    platform_.Timer2.setInterval(timing.timer2);
    platform_.Timer4.setInterval(timing.timer4);
    platform_.Timer1.setEnabled(true);
}

void HoldButtons::pressArrow(const HoldButton& button) {
    // Before the send, so that the first frame's timeout already runs at the arrow's pace; the
    // repeat keeps whatever interval Timer1 was last given.
    const auto timing =
        std::ranges::find(kArrowTimings, state_.AdjustMode, &ArrowTiming::adjustMode);
    if (timing != kArrowTimings.end()) {
        platform_.Timer2.setInterval(timing->timer2);
        platform_.Timer4.setInterval(timing->timer4);
    }
    state_.RepeatCode = button.repeatCode;
    exchange_.send(button.code);
    platform_.Timer1.setEnabled(true);
}

void HoldButtons::Timer1_Timer() {
    const auto code = tickCode(state_.RepeatCode);
    if (!code) return;
    exchange_.send(*code);
    platform_.Timer1.setEnabled(true);
}

void HoldButtons::mouseUp(const HoldButton& button) {
    state_.RepeatCode = 0;
    platform_.Timer1.setEnabled(false);
    platform_.Timer2.setEnabled(false);
    platform_.Timer4.setEnabled(true);
    platform_.controls.setCaption(Exchange::kTxdLine, "");
    platform_.controls.setCaption(Exchange::kRxdLine, "");
    platform_.Timer2.setInterval(Exchange::kReplyTimeoutMs);
    platform_.Timer4.setInterval(Exchange::kMonitorClearingMs);
    state_.ReceiveText.clear();
    if (button.releaseSetsFastestArrows) {
        platform_.Timer1.setInterval(kFastestArrowRepeatMs);
        state_.AdjustMode = kFastestArrowMode;
    }
}

}  // namespace qm5
