// SPDX-License-Identifier: MIT
#include "panel/hold_buttons.h"

#include <algorithm>
#include <array>

#include "core/controls.h"
#include "core/intervals.h"
#include "core/timer.h"

namespace qm5 {

namespace {

// Volume, keystone and digital zoom step at a pace the eye can follow; the lens motors want a
// quick stream of steps.
constexpr HoldTiming kStepwiseRepeat{250, 200, 245};
constexpr HoldTiming kLensRepeat{50, 25, 25};
constexpr HoldTiming kSelectRepeat{500, 200, 245};

// The tick resends the code of the pressed button, so one table serves press and tick. SELECT
// releases to 0 like every other button: a tick can never send a code no button owns.
const std::array kButtons{
    HoldButton{control::kVolumePlus, "C09", 1, kStepwiseRepeat},               // VOL +
    HoldButton{control::kVolumeMinus, "C0A", 2, kStepwiseRepeat},              // VOL -
    HoldButton{control::kArrowUp, "C3C", 3, {}},                               // arrow up
    HoldButton{control::kArrowDown, "C3D", 4, {}},                             // arrow down
    HoldButton{control::kArrowLeft, "C3B", 5, {}},                             // arrow left
    HoldButton{control::kArrowRight, "C3A", 6, {}},                            // arrow right
    HoldButton{control::kZoomPlus, "C47", 7, kLensRepeat},                     // Zoom +
    HoldButton{control::kZoomMinus, "C46", 8, kLensRepeat},                    // Zoom -
    HoldButton{control::kFocusPlus, "C4B", 9, kLensRepeat},                    // Focus +
    HoldButton{control::kFocusMinus, "C4A", 10, kLensRepeat},                  // Focus -
    HoldButton{control::kSelect, "C3F", 13, kSelectRepeat},                    // SELECT
    HoldButton{control::kDigitalZoomPlus, "C30", 17, kStepwiseRepeat, true},   // D.Zoom +
    HoldButton{control::kDigitalZoomMinus, "C31", 18, kStepwiseRepeat, true},  // D.Zoom -
    HoldButton{control::kKeystonePlus, "C8E", 19, kStepwiseRepeat},            // Keystone +
    HoldButton{control::kKeystoneMinus, "C8F", 20, kStepwiseRepeat},           // Keystone -
    HoldButton{control::kLensShiftUp, "C5D", 21, kLensRepeat},                 // Lens shift up
    HoldButton{control::kLensShiftDown, "C5E", 22, kLensRepeat},               // Lens shift down
};

struct ArrowTiming {
    AdjustMode adjustMode;
    int replyTimeout;
    int monitorClearing;
};

// AdjustMode::None leaves the normal reply timeout and monitor clearing.
constexpr std::array kArrowTimings{
    ArrowTiming{AdjustMode::Menu, 150, 190},
    ArrowTiming{AdjustMode::Lens, 50, 75},
    ArrowTiming{AdjustMode::DigitalZoom, 5, 5},
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

void HoldButtons::press(const HoldButton& button) {
    if (button.timing) {
        pressWithFixedTiming(button, *button.timing);
    } else {
        pressArrow(button);
    }
}

void HoldButtons::pressWithFixedTiming(const HoldButton& button, const HoldTiming& timing) {
    state_.repeatCode = button.repeatCode;
    sender_.send(button.code);
    platform_.repeatTimer.setInterval(timing.repeat);
    platform_.replyTimeout.setInterval(timing.replyTimeout);
    platform_.monitorClearing.setInterval(timing.monitorClearing);
    platform_.repeatTimer.setEnabled(true);
}

void HoldButtons::pressArrow(const HoldButton& button) {
    // Before the send, so that the first frame's timeout already runs at the arrow's pace; the
    // repeat keeps whatever interval the repeat timer was last given.
    const auto timing =
        std::ranges::find(kArrowTimings, state_.adjustMode, &ArrowTiming::adjustMode);
    if (timing != kArrowTimings.end()) {
        platform_.replyTimeout.setInterval(timing->replyTimeout);
        platform_.monitorClearing.setInterval(timing->monitorClearing);
    }
    state_.repeatCode = button.repeatCode;
    sender_.send(button.code);
    platform_.repeatTimer.setEnabled(true);
}

void HoldButtons::onRepeatTick() {
    const auto code = tickCode(state_.repeatCode);
    if (!code) return;
    sender_.send(*code);
    platform_.repeatTimer.setEnabled(true);
}

void HoldButtons::release(const HoldButton& button) {
    state_.repeatCode = 0;
    platform_.repeatTimer.setEnabled(false);
    platform_.replyTimeout.setEnabled(false);
    platform_.monitorClearing.setEnabled(true);
    platform_.controls.setCaption(control::kTxdLine, "");
    platform_.controls.setCaption(control::kRxdLine, "");
    platform_.replyTimeout.setInterval(kReplyTimeoutMs);
    platform_.monitorClearing.setInterval(kMonitorClearingMs);
    state_.receiveText.clear();
    if (button.releaseSetsFastestArrows) {
        platform_.repeatTimer.setInterval(kFastestArrowRepeatMs);
        state_.adjustMode = AdjustMode::DigitalZoom;
    }
}

}  // namespace qm5
