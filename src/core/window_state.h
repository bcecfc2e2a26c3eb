// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

#include "core/traffic_text.h"

namespace qm5 {

/// The variables that all of ControlPanel's handlers share, zero when the window is created.
struct WindowState {
    /// Row of the tick table that the repeat timer resends; 0 while no button is held.
    std::uint8_t repeatCode = 0;
    /// 1 from a send until the first reception or the reply timeout.
    std::uint8_t replyPending = 0;
    /// Chosen by the adjustment selectors and the D.Zoom release; picks the arrows' timing.
    std::uint8_t adjustMode = 0;
    /// The last frame sent.
    TrafficText sendText;
    /// The characters received since it was last emptied.
    TrafficText receiveText;
};

}  // namespace qm5
