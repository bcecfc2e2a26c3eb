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

/// What an adjustment selector sets after its send.
struct Selector {
    int repeatInterval;
    AdjustMode adjustMode;
};

/// A button that sends its code once per click.
struct OneShotButton {
    std::string_view control;
    std::string_view code;
    std::optional<Selector> selector;
};

/// Every one-shot button of the panel, including the four status queries.
std::span<const OneShotButton> oneShotButtons();

/// Runs the click of a one-shot button.
class OneShotButtons {
  public:
    OneShotButtons(PanelPlatform& platform, WindowState& state, FrameSender& sender)
        : platform_(platform), state_(state), sender_(sender) {}

    void click(const OneShotButton& button);

  private:
    PanelPlatform& platform_;
    WindowState& state_;
    FrameSender& sender_;
};

}  // namespace qm5
