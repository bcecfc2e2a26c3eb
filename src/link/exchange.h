// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "core/frame_sender.h"
#include "core/platform.h"
#include "core/window_state.h"
#include "devices/device.h"

namespace qm5 {

class SerialControl;

/// Where the exchange records its traffic as it passes: every frame sent, every piece received.
class TrafficRecorder {
  public:
    enum class Direction { Sent, Received };

    virtual ~TrafficRecorder() = default;
    virtual void record(Direction direction, std::string_view port, std::string_view device,
                        std::string_view chars) = 0;
};

/// Told of the traffic as it passes the exchange, for the frames it sends on others' behalf: each
/// frame sent, and each piece received after it.
class ExchangeListener {
  public:
    virtual ~ExchangeListener() = default;
    virtual void onFrameSent(std::string_view port, std::string_view device) = 0;
    virtual void onReceived(std::string_view piece) = 0;
};

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
    /// Every frame sent and every piece received is recorded there too.
    void setRecorder(TrafficRecorder& recorder) { recorder_ = &recorder; }
    /// Told of every frame sent and every piece received, before the recorder.
    void setListener(ExchangeListener& listener) { listener_ = &listener; }

    /// Writes `text` and shows it on the TXD line.
    void sendText(const TrafficText& text);
    /// Shows `text` on the RXD line and decodes it onto the status line.
    void showReceived(const TrafficText& text);
    /// Reads what arrived, records it and shows it.
    void onReceived();
    void onReplyTimeout();
    void onMonitorClearing();

  private:
    void record(TrafficRecorder::Direction direction, std::string_view chars);

    PanelPlatform& platform_;
    SerialControl& serial_;
    WindowState& state_;
    TrafficRecorder* recorder_ = nullptr;
    ExchangeListener* listener_ = nullptr;
};

}  // namespace qm5
