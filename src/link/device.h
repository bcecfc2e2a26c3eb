// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <memory>
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

/// What the line reports, with the serial control's own codes.
enum class LineEvent : std::int16_t {
    Sent = 1,
    Received = 2,
    FramingError = 1004,
};

/// Where a device reports what happens on its own, from the event loop.
class DeviceEvents {
  public:
    virtual ~DeviceEvents() = default;
    virtual void onLineEvent(LineEvent event) = 0;
    /// The device went away and has been closed; the reason in the operator's words.
    virtual void onDeviceLost(std::string_view reason) = 0;
};

/// One kind of device behind the serial control: a serial port, a serial device server on the
/// network, or the tests' device in memory. Failures are thrown as DeviceFailure, or as a
/// SerialError that already names the device.
class Device {
  public:
    virtual ~Device() = default;

    virtual void open(const LineSettings& settings) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    virtual void apply(const LineSettings& settings) = 0;
    /// Sends the frame whole and at once.
    virtual void write(std::string_view chars) = 0;
    virtual std::string readAll() = 0;
};

/// Chooses the kind of device that a device text names, at each open.
class DeviceFactory {
  public:
    virtual ~DeviceFactory() = default;
    /// `device` is the text behind port `port` ("/dev/ttyUSB0", "rfc2217://host:4001").
    virtual std::unique_ptr<Device> makeDevice(int port, const std::string& device,
                                               DeviceEvents& events) = 0;
};

}  // namespace qm5
