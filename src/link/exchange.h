// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string_view>

#include "app/window_state.h"
#include "core/platform.h"

namespace qm5 {

/// The one path of all traffic: every frame leaves through Hyouji, every reception is shown and
/// decoded by it, and two timers finish each exchange.
class Exchange {
  public:
    static constexpr std::uint8_t kSendMode = 1;
    static constexpr std::uint8_t kReceiveMode = 2;

    static constexpr std::string_view kTxdLine = "Label11";
    static constexpr std::string_view kRxdLine = "Label12";
    static constexpr std::string_view kStatusLine = "Label25";
    static constexpr std::string_view kNoReplyMark = " X X X X";

    static constexpr int kReplyTimeoutMs = 500;
    static constexpr int kMonitorClearingMs = 1000;

    Exchange(FormPlatform& platform, WindowState& state) : platform_(platform), state_(state) {}

    /// Stores the frame of `code` in SendText and sends it: the order every sender follows.
    void send(std::string_view code);

    /// Any mode other than send mode is the receive mode.
    void Hyouji(const TrafficText& text, std::uint8_t mode);
    void MSComm1_OnComm();
    /// Reply timeout.
    void Timer2_Timer();
    /// Monitor clearing.
    void Timer4_Timer();

  private:
    FormPlatform& platform_;
    WindowState& state_;
};

}  // namespace qm5
