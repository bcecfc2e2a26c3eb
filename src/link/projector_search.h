// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QTimer>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/failure.h"
#include "devices/device.h"
#include "devices/serial_devices.h"
#include "link/exchange.h"
#include "system/descriptors.h"

namespace qm5 {

/// The one frame a search sends: the STATUS button's query, harmless to a projector in any state.
inline constexpr std::string_view kSearchQuery = "CR0\r";

/// What one device said to the search's query.
struct SearchAnswer {
    std::string device;
    bool replied = false;
    /// The reply as the monitor shows it.
    std::string reply{};
    /// The reply's characters.
    std::string replyChars{};
    /// The status words, trimmed, when the reply is one the panel decodes: a projector.
    std::optional<std::string> status{};
    /// Why the device was not asked, or failed while asked; empty when nothing went wrong.
    std::string error{};
    Failure failure = Failure::NoReply;
};

/// The answer of `device`, which replied `chars` (nothing: no reply).
SearchAnswer answerOf(std::string device, std::string_view chars);

/// Told the answer of one device, once.
class QueryEvents {
  public:
    virtual ~QueryEvents() = default;
    virtual void onAnswered(const SearchAnswer& answer) = 0;
};

/// Asks one device on its own line: opens it at 19200 8N1, sends the search's query and collects
/// the reply until it is complete or the reply timeout has passed. A device that does not open
/// (held by another program, or forbidden) is left as it is: its lock is checked before it is
/// opened, and so are the processes that have it open, so its owner receives nothing. The answer
/// names why.
class DeviceQuery final : public QObject, private DeviceEvents {
  public:
    /// The longest a device that opens in the background (a server) may take to open.
    static constexpr int kOpenLimitMs = 3000;
    /// The longest reply kept: a device that floods is no projector.
    static constexpr std::size_t kLongestReply = 64;

    /// `open` are the devices other processes have open: those are not asked.
    DeviceQuery(std::string device, DeviceMaker& maker, QueryEvents& events,
                const OpenDevices& open);

    /// The query and its reply are real traffic: recorded in `recorder` too (the traffic log),
    /// under the port name "FIND".
    void recordTo(TrafficRecorder& recorder) { recorder_ = &recorder; }
    void start();

  private:
    void record(TrafficRecorder::Direction direction, std::string_view chars);
    void onLineReport(LineEvent event) override;
    void onDeviceLost(std::string_view reason) override {
        finish(std::string(reason), Failure::Interrupted);
    }
    void onDeviceOpened() override { send(); }
    void onOpenFailed(std::string_view reason) override { finish(std::string(reason)); }
    void onLimit();
    void send();
    void finish(const std::string& error = {}, Failure failure = Failure::Unreachable);

    std::string device_;
    DeviceMaker& maker_;
    QueryEvents& events_;
    const OpenDevices& open_;
    TrafficRecorder* recorder_ = nullptr;
    std::unique_ptr<Device> line_;
    /// Open from the check before the line's opening until its close.
    std::unique_ptr<LineLook> look_;
    QTimer limit_;
    std::string reply_;
    bool sent_ = false;
    bool done_ = false;
};

}  // namespace qm5
