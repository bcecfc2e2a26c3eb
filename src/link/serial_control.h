// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "core/serial_error.h"
#include "devices/device.h"
#include "devices/line_settings.h"
#include "link/port_devices.h"
#include "link/port_failure.h"

namespace qm5 {

/// Where the serial control reports the line, on the window's thread.
class SerialListener {
  public:
    virtual ~SerialListener() = default;
    /// A line event passed on by the serial control (`MSComm1_OnComm`).
    virtual void onSerialEvent(LineEvent event) = 0;
    /// Raised once when the open device goes away (unplugged, far end closed), after the port
    /// has been closed. The control watches for the device and reopens it by itself.
    virtual void onPortLost(const SerialError& error) = 0;
    /// A device opening in the background could not be opened.
    virtual void onPortOpenFailed(const SerialError& error) = 0;
    /// The port opened in the background, or was reopened by itself.
    virtual void onLinkChanged() = 0;
};

/// The serial control of the window: the port number (changed only while closed), the line
/// settings, open and close, writes (only while open) and the line's events. At each open the
/// device maker gives the device that the port's device text names. A device that goes away
/// is watched for and reopened on the same port without any action. Every failure is thrown
/// as SerialError with an operator-facing description.
class SerialControl final : private DeviceEvents, private DeviceWatchEvents {
  public:
    enum class Link { Closed, Connecting, Open, Away };

    SerialControl(const PortDevices& devices, DeviceMaker& deviceMaker)
        : devices_(devices), deviceMaker_(deviceMaker) {}
    ~SerialControl() override;
    SerialControl(const SerialControl&) = delete;
    SerialControl& operator=(const SerialControl&) = delete;

    void setListener(SerialListener& listener) { listener_ = &listener; }
    /// An open failure's description tells how to choose another device there.
    void setDeviceChooser(DeviceChooser chooser) { chooser_ = chooser; }

    std::int16_t portNumber() const { return portNumber_; }
    void setPortNumber(std::int16_t port);

    const std::string& lineSettings() const { return settingsText_; }
    void setLineSettings(std::string_view text);

    bool isOpen() const { return link_ == Link::Open; }
    /// Opens the port (a server on the network in the background), or closes it. Either ends a
    /// watch for a device that went away.
    void setOpen(bool open);
    Link link() const { return link_; }
    /// Watches for the port's device, which would not open, and opens it once it is there; a
    /// text that names no device is never tried again. Returns what the operator is told of the
    /// watch, to end the failure's description: empty unless the device is missing.
    std::string watchForDevice();

    /// Queues the frame for sending, unchanged, without waiting for it to leave.
    void write(std::string_view chars);
    /// Everything received and not yet read, one character per byte.
    std::string readAll();

    /// The device behind the port number now.
    std::string devicePath() const { return devices_.deviceFor(portNumber_); }
    /// "COM1 (/dev/ttyS0)": how descriptions name the device.
    std::string deviceName() const;

  private:
    void onLineReport(LineEvent event) override;
    void onDeviceLost(std::string_view reason) override;
    void onDeviceOpened() override;
    void onOpenFailed(std::string_view reason) override;
    void onDeviceMayBeBack() override;
    /// Makes the port's device and opens it; a failure is thrown and leaves no device.
    void openDevice();
    void closeDevice();
    /// The open device went away: watches for it, and returns what the operator is told.
    std::string goneAway(std::string_view reason);
    /// Traffic has passed since the device was reopened by itself: it is back for good.
    void confirm();
    /// Runs a device step; a DeviceFailure becomes a SerialError naming the device.
    template <typename Step>
    auto named(Step&& step) -> decltype(step());

    const PortDevices& devices_;
    DeviceMaker& deviceMaker_;
    SerialListener* listener_ = nullptr;
    DeviceChooser chooser_ = DeviceChooser::Panel;
    std::int16_t portNumber_ = 1;
    std::string settingsText_ = "9600,N,8,1";
    LineSettings settings_;
    std::unique_ptr<Device> device_;
    Link link_ = Link::Closed;
    /// Reopening by itself: a failure is no news, the watch goes on.
    bool reconnecting_ = false;
    /// Reopened by itself, and no traffic has passed yet: a device that goes at once again (a
    /// line whose far end has hung up but whose path is there) is no news.
    bool probation_ = false;
    /// A write was refused while connecting: the operator has been told once.
    bool toldConnecting_ = false;
};

}  // namespace qm5
