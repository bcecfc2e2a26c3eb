// SPDX-License-Identifier: MIT
#include "link/serial_control.h"

#include "link/port_paths.h"

namespace qm5 {

void SerialControl::setCommPort(std::int16_t port) {
    if (deviceOpen()) {
        throw SerialError("The port number cannot change while " + deviceName() + " is open.");
    }
    if (port < 1) throw SerialError("There is no port number " + std::to_string(port) + ".");
    commPort_ = port;
}

void SerialControl::setSettings(std::string_view text) {
    const LineSettings parsed = parseLineSettings(text);
    if (deviceOpen()) applySettings(parsed);
    settings_ = parsed;
    settingsText_ = text;
}

void SerialControl::setPortOpen(bool open) {
    if (open == deviceOpen()) return;
    if (open) {
        openDevice(commPort_, settings_);
    } else {
        closeDevice();
    }
}

void SerialControl::Output(std::string_view chars) {
    if (!deviceOpen()) {
        throw SerialError(deviceName() + " is not open: choose a port with \"COM\".");
    }
    writeDevice(chars);
}

std::string SerialControl::Input() {
    return deviceOpen() ? readDevice() : std::string();
}

void SerialControl::raiseCommEvent(std::int16_t event) {
    commEvent_ = event;
    if (onComm_) onComm_();
}

void SerialControl::raiseDeviceLost(const SerialError& error) {
    if (onDeviceLost_) onDeviceLost_(error);
}

std::string SerialControl::deviceName() const {
    return portLabel(commPort_) + " (" + devicePathFor(commPort_) + ")";
}

}  // namespace qm5
