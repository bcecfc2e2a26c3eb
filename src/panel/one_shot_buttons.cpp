// SPDX-License-Identifier: MIT
#include "panel/one_shot_buttons.h"

#include <array>

#include "core/controls.h"
#include "core/timer.h"

namespace qm5 {

namespace {

constexpr Selector kMenuSelector{200, AdjustMode::Menu};
constexpr Selector kZoomSelector{50, AdjustMode::Lens};
constexpr Selector kFocusSelector{100, AdjustMode::Lens};

const std::array kButtons{
    // Power
    OneShotButton{control::kPowerOn, "C00", {}},   // POWER ON
    OneShotButton{control::kPowerOff, "C02", {}},  // POWER OFF
    // Input selection
    OneShotButton{control::kInput1, "C05", {}},           // INPUT SELECT 1
    OneShotButton{control::kInput2Rgb, "C06", {}},        // INPUT SELECT 2-RGB
    OneShotButton{control::kInput2Video, "C07", {}},      // INPUT SELECT 2-Video
    OneShotButton{control::kInput3Video, "C08", {}},      // INPUT SELECT 3-Video
    OneShotButton{control::kInput2SVideo, "C23", {}},     // INPUT 2 VIDEO SELECT S-VIDEO
    OneShotButton{control::kInput2YC, "C24", {}},         // INPUT 2 VIDEO SELECT Y/C
    OneShotButton{control::kInput2Component, "C25", {}},  // INPUT 2 VIDEO SELECT COMPONENT
    OneShotButton{control::kInput3Component, "C26", {}},  // INPUT 3 COMPONENT
    // Audio mute, video mute, freeze
    OneShotButton{control::kAudioMuteOn, "C0B", {}},   // AUDIO MUTE ON
    OneShotButton{control::kAudioMuteOff, "C0C", {}},  // AUDIO MUTE OFF
    OneShotButton{control::kVideoMuteOn, "C0D", {}},   // VIDEO MUTE ON
    OneShotButton{control::kVideoMuteOff, "C0E", {}},  // VIDEO MUTE OFF
    OneShotButton{control::kFreezeOn, "C43", {}},      // FREEZE ON
    OneShotButton{control::kFreezeOff, "C44", {}},     // FREEZE OFF
    // Menu
    OneShotButton{control::kMenuOn, "C1C", kMenuSelector},  // MENU ON
    OneShotButton{control::kMenuOff, "C1D", {}},            // MENU OFF
    // Screen mode
    OneShotButton{control::kScreenNormal, "C0F", {}},    // VIDEO SCREEN Normal
    OneShotButton{control::kScreenFull, "C10", {}},      // VIDEO SCREEN Full
    OneShotButton{control::kScreenZoom, "C2C", {}},      // VIDEO SCREEN ZOOM
    OneShotButton{control::kScreenWideZoom, "C2D", {}},  // VIDEO SCREEN W.ZOOM
    // On start, power management
    OneShotButton{control::kOnStartOn, "C28", {}},           // ON START ON
    OneShotButton{control::kOnStartOff, "C29", {}},          // ON START OFF
    OneShotButton{control::kPowerManagementOn, "C2A", {}},   // POWER MANEGEMENT ON
    OneShotButton{control::kPowerManagementOff, "C2B", {}},  // POWER MANEGEMENT OFF
    // Picture column
    OneShotButton{control::kImage, "C27", {}},              // IMAGE
    OneShotButton{control::kAImage, "C89", kMenuSelector},  // A-IMAGE
    OneShotButton{control::kNormal, "C1F", {}},             // NORMAL
    OneShotButton{control::kDisplayClear, "C1E", {}},       // DISPLAY CLEAR
    // Row below the arrow pad
    OneShotButton{control::kZoomSelector, "C80", kZoomSelector},       // ZOOM
    OneShotButton{control::kFocusSelector, "C87", kFocusSelector},     // FOCUS
    OneShotButton{control::kLensShiftSelector, "C88", kZoomSelector},  // Lens shift
    // Corner
    OneShotButton{control::kC01, "C01", {}},  // C01
    // Status queries: STATUS, MODE, L-TIME, SETTING
    OneShotButton{control::kStatusQuery, "CR0", {}},    // STATUS
    OneShotButton{control::kModeQuery, "CR1", {}},      // MODE
    OneShotButton{control::kLampTimeQuery, "CR3", {}},  // L-TIME
    OneShotButton{control::kSettingQuery, "CR4", {}},   // SETTING
};

}  // namespace

std::span<const OneShotButton> oneShotButtons() {
    return kButtons;
}

void OneShotButtons::click(const OneShotButton& button) {
    sender_.send(button.code);
    // After the send: a failed send leaves the arrows' timing as it was.
    if (button.selector) {
        platform_.repeatTimer.setInterval(button.selector->repeatInterval);
        state_.adjustMode = button.selector->adjustMode;
    }
}

}  // namespace qm5
