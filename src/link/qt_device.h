// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "link/line_settings.h"

namespace qm5 {

/// A failure of a device in the operator's words, without the device's name. `gone`: the device
/// went away and has been closed.
struct DeviceFailure {
    std::string reason;
    bool gone = false;
};

/// One kind of device behind the serial control: a serial port, or a serial device server on
/// the network. Chosen by the device text at each open. Every failure is thrown as
/// DeviceFailure.
class QtDevice {
  public:
    struct Events {
        /// Characters have arrived.
        std::function<void()> received;
        /// The device went away on its own and has been closed; the reason, in the operator's
        /// words. Raised from the event loop.
        std::function<void(std::string)> lost;
    };

    virtual ~QtDevice() = default;

    virtual void open(const LineSettings& settings) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    virtual void apply(const LineSettings& settings) = 0;
    /// Sends the frame whole and at once.
    virtual void write(std::string_view chars) = 0;
    virtual std::string readAll() = 0;
};

}  // namespace qm5
