// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "core/frame_sender.h"
#include "core/platform.h"
#include "core/window_state.h"

namespace qm5 {

class SerialControl;

/// The one path of all traffic: every frame leaves through sendOrShow, every reception is shown
/// and decoded by it, and two timers finish each exchange.
class Exchange final : public FrameSender {
  public:
    enum class Mode { Send, Receive };

    static constexpr std::string_view kNoReplyMark = " X X X X";

    Exchange(FormPlatform& platform, SerialControl& serial, WindowState& state)
        : platform_(platform), serial_(serial), state_(state) {}

    /// Stores the frame of `code` as the last one sent and sends it: the order every sender
    /// follows.
    void send(std::string_view code) override;

    /// Send mode writes `text` and shows it on the TXD line; receive mode shows it on the RXD
    /// line and decodes it onto the status line.
    void sendOrShow(const TrafficText& text, Mode mode);
    void onSerialEvent();
    void onReplyTimeout();
    void onMonitorClearing();

  private:
    FormPlatform& platform_;
    SerialControl& serial_;
    WindowState& state_;
};

}  // namespace qm5
