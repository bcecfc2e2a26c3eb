// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "core/serial_error.h"
#include "link/device.h"
#include "link/line_settings.h"
#include "link/port_devices.h"

namespace qm5 {

/// Where the serial control reports the line, on the window's thread.
class SerialListener {
  public:
    virtual ~SerialListener() = default;
    virtual void onLineEvent(LineEvent event) = 0;
    /// Raised once when the open device goes away (unplugged, far end closed), after the port
    /// has been closed.
    virtual void onDeviceLost(const SerialError& error) = 0;
};

/// The serial control of the window: the port number (changed only while closed), the line
/// settings, open and close, writes (only while open) and the line's events. At each open the
/// device factory gives the device that the port's device text names. Every failure is thrown
/// as SerialError with an operator-facing description.
class SerialControl final : private DeviceEvents {
  public:
    SerialControl(const PortDevices& devices, DeviceFactory& factory)
        : devices_(devices), factory_(factory) {}
    ~SerialControl() override;
    SerialControl(const SerialControl&) = delete;
    SerialControl& operator=(const SerialControl&) = delete;

    void setListener(SerialListener& listener) { listener_ = &listener; }

    std::int16_t portNumber() const { return portNumber_; }
    void setPortNumber(std::int16_t port);

    const std::string& lineSettings() const { return settingsText_; }
    void setLineSettings(std::string_view text);

    bool isOpen() const { return device_ && device_->isOpen(); }
    void setOpen(bool open);

    /// Queues the frame for sending, unchanged, without waiting for it to leave.
    void write(std::string_view chars);
    /// Everything received and not yet read, one character per byte.
    std::string readAll();

    /// The device behind the port number now.
    std::string devicePath() const { return devices_.deviceFor(portNumber_); }
    /// "COM1 (/dev/ttyS0)": how descriptions name the device.
    std::string deviceName() const;

  private:
    void onLineEvent(LineEvent event) override;
    void onDeviceLost(std::string_view reason) override;
    /// Runs a device step; a DeviceFailure becomes a SerialError naming the device.
    template <typename Step>
    auto named(Step&& step) -> decltype(step());

    const PortDevices& devices_;
    DeviceFactory& factory_;
    SerialListener* listener_ = nullptr;
    std::int16_t portNumber_ = 1;
    std::string settingsText_ = "9600,N,8,1";
    LineSettings settings_;
    std::unique_ptr<Device> device_;
};

}  // namespace qm5
