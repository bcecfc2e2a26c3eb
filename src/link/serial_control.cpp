// SPDX-License-Identifier: MIT
#include "link/serial_control.h"

#include "link/open_failure.h"

namespace qm5 {

SerialControl::~SerialControl() = default;

template <typename Step>
auto SerialControl::named(Step&& step) -> decltype(step()) {
    try {
        return step();
    } catch (const DeviceFailure& failure) {
        throw SerialError(deviceName() + ": " + failure.reason);
    }
}

void SerialControl::setPortNumber(std::int16_t port) {
    if (isOpen()) {
        throw SerialError("The port number cannot change while " + deviceName() + " is open.");
    }
    if (port < 1) throw SerialError("There is no port number " + std::to_string(port) + ".");
    portNumber_ = port;
}

void SerialControl::setLineSettings(std::string_view text) {
    const LineSettings parsed = parseLineSettings(text);
    if (isOpen()) named([&] { device_->apply(parsed); });
    settings_ = parsed;
    settingsText_ = text;
}

void SerialControl::setOpen(bool open) {
    if (open == isOpen()) return;
    if (!open) {
        device_->close();
        return;
    }
    try {
        device_.reset();
        device_ = factory_.makeDevice(portNumber_, devicePath(), *this);
        device_->open(settings_);
    } catch (const DeviceFailure& failure) {
        device_.reset();
        throw SerialError(describeOpenFailure(deviceName(), portNumber_, failure.reason));
    } catch (const SerialError&) {
        device_.reset();
        throw;
    }
}

void SerialControl::write(std::string_view chars) {
    if (!isOpen()) {
        // After a failed switch the port number is the other port's, whose device the operator
        // may never have chosen: name none.
        throw SerialError(
            "No port is open: choose COM1 or COM2 under \"COM\" (right-click \"COM\" "
            "to choose a port's device).");
    }
    named([&] { device_->write(chars); });
}

std::string SerialControl::readAll() {
    return isOpen() ? device_->readAll() : std::string();
}

void SerialControl::onLineEvent(LineEvent event) {
    if (listener_ != nullptr) listener_->onLineEvent(event);
}

void SerialControl::onDeviceLost(std::string_view reason) {
    if (listener_ != nullptr)
        listener_->onDeviceLost(SerialError(deviceName() + ": " + std::string(reason)));
}

std::string SerialControl::deviceName() const {
    return portLabel(portNumber_) + " (" + devicePath() + ")";
}

}  // namespace qm5
