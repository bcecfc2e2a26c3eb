// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "core/frame_sender.h"
#include "core/platform.h"
#include "core/window_state.h"
#include "link/device.h"

namespace qm5 {

class SerialControl;

/// The one path of all traffic: every frame leaves through sendText, every reception is shown
/// and decoded by showReceived, and two timers finish each exchange.
class Exchange final : public FrameSender {
  public:
    static constexpr std::string_view kNoReplyMark = " X X X X";

    Exchange(PanelPlatform& platform, SerialControl& serial, WindowState& state)
        : platform_(platform), serial_(serial), state_(state) {}

    /// Stores the frame of `code` as the last one sent and sends it: the order every sender
    /// follows.
    void send(std::string_view code) override;

    /// Writes `text` and shows it on the TXD line.
    void sendText(const TrafficText& text);
    /// Shows `text` on the RXD line and decodes it onto the status line.
    void showReceived(const TrafficText& text);
    void onLineEvent(LineEvent event);
    void onReplyTimeout();
    void onMonitorClearing();

  private:
    PanelPlatform& platform_;
    SerialControl& serial_;
    WindowState& state_;
};

}  // namespace qm5
