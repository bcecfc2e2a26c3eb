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
    OneShotButton{"Command17", "C00", {}},
    OneShotButton{"Command18", "C02", {}},
    // Input selection
    OneShotButton{"Command27", "C05", {}},
    OneShotButton{"Command28", "C06", {}},
    OneShotButton{"Command29", "C07", {}},
    OneShotButton{"Command53", "C08", {}},
    OneShotButton{"Command63", "C23", {}},
    OneShotButton{"Command64", "C24", {}},
    OneShotButton{"Command65", "C25", {}},
    OneShotButton{"Command66", "C26", {}},
    // Audio mute, video mute, freeze
    OneShotButton{"Command19", "C0B", {}},
    OneShotButton{"Command20", "C0C", {}},
    OneShotButton{"Command21", "C0D", {}},
    OneShotButton{"Command22", "C0E", {}},
    OneShotButton{"Command25", "C43", {}},
    OneShotButton{"Command26", "C44", {}},
    // Menu
    OneShotButton{"Command23", "C1C", kMenuSelector},
    OneShotButton{"Command24", "C1D", {}},
    // Screen mode
    OneShotButton{"Command31", "C0F", {}},
    OneShotButton{"Command32", "C10", {}},
    OneShotButton{"Command67", "C2C", {}},
    OneShotButton{"Command68", "C2D", {}},
    // On start, power management
    OneShotButton{"Command69", "C28", {}},
    OneShotButton{"Command70", "C29", {}},
    OneShotButton{"Command71", "C2A", {}},
    OneShotButton{"Command72", "C2B", {}},
    // Picture column
    OneShotButton{"Command73", "C27", {}},
    OneShotButton{"Command13", "C89", kMenuSelector},
    OneShotButton{"Command4", "C1F", {}},
    OneShotButton{"Command3", "C1E", {}},
    // Row below the arrow pad
    OneShotButton{"Command10", "C80", kZoomSelector},
    OneShotButton{"Command11", "C87", kFocusSelector},
    OneShotButton{"Command41", "C88", kZoomSelector},
    // Corner
    OneShotButton{"Command52", "C01", {}},
    // Status queries: STATUS, MODE, L-TIME, SETTING
    OneShotButton{"Command44", "CR0", {}},
    OneShotButton{"Command45", "CR1", {}},
    OneShotButton{"Command46", "CR3", {}},
    OneShotButton{"Command47", "CR4", {}},
};

}  // namespace

std::span<const OneShotButton> oneShotButtons() {
    return kButtons;
}

void OneShotButtons::click(const OneShotButton& button) {
    exchange_.send(button.code);
    // After the send: a failed send leaves the arrows' timing as it was.
    if (button.selector) {
        platform_.Timer1.setInterval(button.selector->timer1Interval);
        state_.AdjustMode = button.selector->adjustMode;
    }
}

}  // namespace qm5
