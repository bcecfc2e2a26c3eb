// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

#include "core/traffic_text.h"

namespace qm5 {

/// What the arrows adjust, as the last adjustment selector (or the D.Zoom release) chose: it
/// picks the arrows' timing.
enum class AdjustMode : std::uint8_t {
    /// Nothing chosen yet: the normal reply timeout and monitor clearing.
    None,
    /// MENU ON, A-IMAGE.
    Menu,
    /// ZOOM, FOCUS, Lens shift.
    Lens,
    /// The D.Zoom release: the fastest arrows, to pan the zoomed picture.
    DigitalZoom,
};

/// The variables that all of ControlPanel's handlers share, zero (none, false) when the window is
/// created.
struct WindowState {
    /// Row of the tick table that the repeat timer resends; 0 while no button is held.
    std::uint8_t repeatCode = 0;
    /// From a send until the first reception or the reply timeout.
    bool replyPending = false;
    AdjustMode adjustMode = AdjustMode::None;
    /// The last frame sent.
    TrafficText sendText;
    /// The characters received since it was last emptied.
    TrafficText receiveText;
};

}  // namespace qm5
