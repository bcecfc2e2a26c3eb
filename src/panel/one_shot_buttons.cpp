// SPDX-License-Identifier: MIT
#include "panel/one_shot_buttons.h"

#include <array>

#include "core/timer.h"

namespace qm5 {

namespace {

constexpr Selector kMenuSelector{200, 1};
constexpr Selector kZoomSelector{50, 2};
constexpr Selector kFocusSelector{100, 2};

const std::array kButtons{
    // Power
    OneShotButton{"Command17", "C00", {}},  // POWER ON
    OneShotButton{"Command18", "C02", {}},  // POWER OFF
    // Input selection
    OneShotButton{"Command27", "C05", {}},  // INPUT SELECT 1
    OneShotButton{"Command28", "C06", {}},  // INPUT SELECT 2-RGB
    OneShotButton{"Command29", "C07", {}},  // INPUT SELECT 2-Video
    OneShotButton{"Command53", "C08", {}},  // INPUT SELECT 3-Video
    OneShotButton{"Command63", "C23", {}},  // INPUT 2 VIDEO SELECT S-VIDEO
    OneShotButton{"Command64", "C24", {}},  // INPUT 2 VIDEO SELECT Y/C
    OneShotButton{"Command65", "C25", {}},  // INPUT 2 VIDEO SELECT COMPONENT
    OneShotButton{"Command66", "C26", {}},  // INPUT 3 COMPONENT
    // Audio mute, video mute, freeze
    OneShotButton{"Command19", "C0B", {}},  // AUDIO MUTE ON
    OneShotButton{"Command20", "C0C", {}},  // AUDIO MUTE OFF
    OneShotButton{"Command21", "C0D", {}},  // VIDEO MUTE ON
    OneShotButton{"Command22", "C0E", {}},  // VIDEO MUTE OFF
    OneShotButton{"Command25", "C43", {}},  // FREEZE ON
    OneShotButton{"Command26", "C44", {}},  // FREEZE OFF
    // Menu
    OneShotButton{"Command23", "C1C", kMenuSelector},  // MENU ON
    OneShotButton{"Command24", "C1D", {}},             // MENU OFF
    // Screen mode
    OneShotButton{"Command31", "C0F", {}},  // VIDEO SCREEN Normal
    OneShotButton{"Command32", "C10", {}},  // VIDEO SCREEN Full
    OneShotButton{"Command67", "C2C", {}},  // VIDEO SCREEN ZOOM
    OneShotButton{"Command68", "C2D", {}},  // VIDEO SCREEN W.ZOOM
    // On start, power management
    OneShotButton{"Command69", "C28", {}},  // ON START ON
    OneShotButton{"Command70", "C29", {}},  // ON START OFF
    OneShotButton{"Command71", "C2A", {}},  // POWER MANEGEMENT ON
    OneShotButton{"Command72", "C2B", {}},  // POWER MANEGEMENT OFF
    // Picture column
    OneShotButton{"Command73", "C27", {}},             // IMAGE
    OneShotButton{"Command13", "C89", kMenuSelector},  // A-IMAGE
    OneShotButton{"Command4", "C1F", {}},              // NORMAL
    OneShotButton{"Command3", "C1E", {}},              // DISPLAY CLEAR
    // Row below the arrow pad
    OneShotButton{"Command10", "C80", kZoomSelector},   // ZOOM
    OneShotButton{"Command11", "C87", kFocusSelector},  // FOCUS
    OneShotButton{"Command41", "C88", kZoomSelector},   // Lens shift
    // Corner
    OneShotButton{"Command52", "C01", {}},  // C01
    // Status queries: STATUS, MODE, L-TIME, SETTING
    OneShotButton{"Command44", "CR0", {}},  // STATUS
    OneShotButton{"Command45", "CR1", {}},  // MODE
    OneShotButton{"Command46", "CR3", {}},  // L-TIME
    OneShotButton{"Command47", "CR4", {}},  // SETTING
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
