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

/// What an adjustment selector sets after its send.
struct Selector {
    int timer1Interval;
    std::uint8_t adjustMode;
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
    OneShotButtons(FormPlatform& platform, WindowState& state, Exchange& exchange)
        : platform_(platform), state_(state), exchange_(exchange) {}

    void click(const OneShotButton& button);

  private:
    FormPlatform& platform_;
    WindowState& state_;
    Exchange& exchange_;
};

}  // namespace qm5
