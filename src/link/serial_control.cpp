// SPDX-License-Identifier: MIT
#include "link/serial_control.h"

namespace qm5 {

void SerialControl::setPortNumber(std::int16_t port) {
    if (deviceOpen()) {
        throw SerialError("The port number cannot change while " + deviceName() + " is open.");
    }
    if (port < 1) throw SerialError("There is no port number " + std::to_string(port) + ".");
    portNumber_ = port;
}

void SerialControl::setLineSettings(std::string_view text) {
    const LineSettings parsed = parseLineSettings(text);
    if (deviceOpen()) applySettings(parsed);
    settings_ = parsed;
    settingsText_ = text;
}

void SerialControl::setOpen(bool open) {
    if (open == deviceOpen()) return;
    if (open) {
        openDevice(devicePath(), settings_);
    } else {
        closeDevice();
    }
}

void SerialControl::write(std::string_view chars) {
    if (!deviceOpen()) {
        throw SerialError(deviceName() + " is not open: choose a port with \"COM\".");
    }
    writeDevice(chars);
}

std::string SerialControl::readAll() {
    return deviceOpen() ? readDevice() : std::string();
}

void SerialControl::raiseEvent(std::int16_t event) {
    lastEvent_ = event;
    if (onEvent_) onEvent_();
}

void SerialControl::raiseDeviceLost(const SerialError& error) {
    if (onDeviceLost_) onDeviceLost_(error);
}

std::string SerialControl::deviceName() const {
    return portLabel(portNumber_) + " (" + devicePath() + ")";
}

}  // namespace qm5
