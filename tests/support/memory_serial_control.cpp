// SPDX-License-Identifier: MIT
#include "support/memory_serial_control.h"

#include "support/virtual_clock.h"

namespace qm5::test {

void MemorySerialControl::receive(std::string chars) {
    unread_ += chars;
    raiseEvent(kReceiveEvent);
}

void MemorySerialControl::loseDevice() {
    open_ = false;
    raiseDeviceLost(SerialError(deviceName() + ": gone"));
}

std::vector<std::string> MemorySerialControl::frames() const {
    std::vector<std::string> frames;
    for (const Write& write : writes_) frames.push_back(write.chars);
    return frames;
}

void MemorySerialControl::openDevice(const std::string& path, const LineSettings& settings) {
    const int port = portNumber();
    if (missing_.contains(port)) throw SerialError(deviceName() + ": no such device");
    if (busy_.contains(port)) throw SerialError(deviceName() + ": in use");
    open_ = true;
    openPort_ = port;
    openPath_ = path;
    openedWith_ = settings;
    opens_.push_back(port);
}

void MemorySerialControl::closeDevice() {
    if (failClose_) throw SerialError(deviceName() + ": close failed");
    open_ = false;
}

void MemorySerialControl::writeDevice(std::string_view chars) {
    if (failWrites_) throw SerialError(deviceName() + ": write failed");
    writes_.push_back({clock_.now(), std::string(chars)});
}

std::string MemorySerialControl::readDevice() {
    return std::exchange(unread_, {});
}

}  // namespace qm5::test
