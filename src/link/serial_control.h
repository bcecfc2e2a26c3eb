// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/serial_error.h"
#include "link/line_settings.h"
#include "link/port_devices.h"

namespace qm5 {

/// The serial control of the window. This class keeps the control's contract
/// (port number only while closed, writes only while open, the receive event); a subclass drives
/// the device. Every failure is thrown as SerialError with an operator-facing description.
class SerialControl {
  public:
    /// lastEvent() of a reception.
    static constexpr std::int16_t kReceiveEvent = 2;

    /// Opens the device that `devices` names for the port number at each open.
    explicit SerialControl(const PortDevices& devices) : devices_(devices) {}
    virtual ~SerialControl() = default;

    std::int16_t portNumber() const { return portNumber_; }
    void setPortNumber(std::int16_t port);

    const std::string& lineSettings() const { return settingsText_; }
    void setLineSettings(std::string_view text);

    bool isOpen() const { return deviceOpen(); }
    void setOpen(bool open);

    /// Queues the frame for sending, unchanged, without waiting for it to leave.
    void write(std::string_view chars);
    /// Everything received and not yet read, one character per byte.
    std::string readAll();
    std::int16_t lastEvent() const { return lastEvent_; }

    /// Raised on the window's thread when characters have arrived.
    void setOnEvent(std::function<void()> handler) { onEvent_ = std::move(handler); }
    /// Raised once when the open device goes away (unplugged, far end closed), after the port
    /// has been closed.
    void setOnDeviceLost(std::function<void(const SerialError&)> handler) {
        onDeviceLost_ = std::move(handler);
    }

  protected:
    virtual bool deviceOpen() const = 0;
    virtual void openDevice(const std::string& path, const LineSettings& settings) = 0;
    virtual void closeDevice() = 0;
    virtual void applySettings(const LineSettings& settings) = 0;
    virtual void writeDevice(std::string_view chars) = 0;
    virtual std::string readDevice() = 0;

    /// For subclasses: an event of the line, kReceiveEvent when characters have arrived.
    void raiseEvent(std::int16_t event);
    /// For subclasses: the device went away and has been closed.
    void raiseDeviceLost(const SerialError& error);
    /// The device behind the port number now.
    std::string devicePath() const { return devices_.deviceFor(portNumber_); }
    /// "COM1 (/dev/ttyS0)": how descriptions name the device.
    std::string deviceName() const;

  private:
    const PortDevices& devices_;
    std::int16_t portNumber_ = 1;
    std::string settingsText_ = "9600,N,8,1";
    LineSettings settings_;
    std::int16_t lastEvent_ = 0;
    std::function<void()> onEvent_;
    std::function<void(const SerialError&)> onDeviceLost_;
};

}  // namespace qm5
