// SPDX-License-Identifier: MIT
#include "link/qt_serial_control.h"

#include "link/device_address.h"
#include "link/open_failure.h"
#include "link/qt_network_device.h"
#include "link/qt_serial_port_device.h"

namespace qm5 {

QtSerialControl::QtSerialControl(const PortDevices& devices) : SerialControl(devices) {}

QtSerialControl::~QtSerialControl() = default;

std::unique_ptr<QtDevice> QtSerialControl::makeDevice(const std::string& device) {
    QtDevice::Events events{
        [this] { raiseEvent(kReceiveEvent); },
        [this](const std::string& reason) {
            raiseDeviceLost(SerialError(deviceName() + ": " + reason));
        },
    };
    auto address = parseDevice(device);
    if (const auto* wrong = std::get_if<AddressError>(&address))
        throw DeviceFailure{wrong->what + "."};
    if (auto* network = std::get_if<NetworkAddress>(&address)) {
        return std::make_unique<QtNetworkDevice>(std::move(*network), std::move(events));
    }
    return std::make_unique<QtSerialPortDevice>(device, std::move(events));
}

void QtSerialControl::openDevice(const std::string& path, const LineSettings& settings) {
    try {
        device_.reset();
        device_ = makeDevice(path);
        device_->open(settings);
    } catch (const DeviceFailure& failure) {
        device_.reset();
        throw SerialError(describeOpenFailure(deviceName(), portNumber(), failure.reason));
    }
}

void QtSerialControl::closeDevice() {
    if (device_) device_->close();
}

void QtSerialControl::applySettings(const LineSettings& settings) {
    try {
        device_->apply(settings);
    } catch (const DeviceFailure& failure) {
        throw SerialError(deviceName() + ": " + failure.reason);
    }
}

void QtSerialControl::writeDevice(std::string_view chars) {
    try {
        device_->write(chars);
    } catch (const DeviceFailure& failure) {
        throw SerialError(deviceName() + ": " + failure.reason);
    }
}

std::string QtSerialControl::readDevice() {
    return device_->readAll();
}

}  // namespace qm5
