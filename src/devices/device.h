// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "core/failure.h"
#include "devices/line_settings.h"

namespace qm5 {

/// A failure of a device in the operator's words, without the device's name. `gone`: the device
/// went away and has been closed.
struct DeviceFailure {
    std::string reason;
    bool gone = false;
    Failure failure = gone ? Failure::Interrupted : Failure::Unreachable;
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
    /// Characters arrived (LineEvent::Received), or the line reports another event.
    virtual void onLineReport(LineEvent event) = 0;
    /// The device went away and has been closed; the reason in the operator's words.
    virtual void onDeviceLost(std::string_view reason) = 0;
    /// A device that opens in the background (a server on the network) is open now.
    virtual void onDeviceOpened() = 0;
    /// A device that opens in the background could not be opened; the reason in the operator's
    /// words.
    virtual void onOpenFailed(std::string_view reason) = 0;
};

/// Told when a device that is away may be back.
class DeviceWatchEvents {
  public:
    virtual ~DeviceWatchEvents() = default;
    virtual void onDeviceMayBeBack() = 0;
};

/// One kind of device behind the serial control: a serial port, a serial device server on the
/// network, or the tests' device in memory. Failures are thrown as DeviceFailure, or as a
/// SerialError that already names the device.
class Device {
  public:
    virtual ~Device() = default;

    /// Opens the device and returns true, or starts opening it in the background and returns
    /// false: onDeviceOpened or onOpenFailed tells the end of it.
    virtual bool open(const LineSettings& settings) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    virtual void apply(const LineSettings& settings) = 0;
    /// Sends the frame whole and at once.
    virtual void write(std::string_view chars) = 0;
    virtual std::string readAll() = 0;
};

/// Chooses the kind of device that a device text names, at each open.
class DeviceMaker {
  public:
    virtual ~DeviceMaker() = default;
    /// `device` is the text behind port `port` ("/dev/ttyUSB0", "rfc2217://host:4001").
    virtual std::unique_ptr<Device> makeDevice(int port, const std::string& device,
                                               DeviceEvents& events) = 0;
    /// Watches for `device` to be back and tells `events` once: a path when it exists again, a
    /// server after a delay that grows with each call until stopWatching. One watch at a time.
    /// Returns whether the device is a path that is not there: missing, not refused.
    virtual bool watchFor(const std::string& device, DeviceWatchEvents& events) = 0;
    virtual void stopWatching() = 0;
};

}  // namespace qm5
