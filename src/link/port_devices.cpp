// SPDX-License-Identifier: MIT
#include "link/port_devices.h"

#include <cstdlib>

namespace qm5 {

namespace {

bool known(int port) {
    return port == 1 || port == 2;
}

std::size_t slot(int port) {
    return static_cast<std::size_t>(port - 1);
}

std::optional<std::string> environmentDevice(int port) {
    const std::string variable = "QM5_COM" + std::to_string(port);
    const char* device = std::getenv(variable.c_str());
    if (device == nullptr || *device == '\0') return std::nullopt;
    return device;
}

}  // namespace

PortDevices::PortDevices(DeviceMemory& memory, PerPort commandLine)
    : memory_(memory),
      commandLine_(std::move(commandLine)),
      environment_{environmentDevice(1), environmentDevice(2)} {}

std::string PortDevices::deviceFor(int port) const {
    if (!known(port)) return platformDevice(port);
    for (const PerPort* source : {&chosen_, &commandLine_, &environment_}) {
        if (const auto& device = (*source)[slot(port)]; device && !device->empty()) return *device;
    }
    if (auto remembered = memory_.recall(port); remembered && !remembered->empty()) {
        return *remembered;
    }
    return platformDevice(port);
}

std::optional<std::string> PortDevices::choose(int port, const std::string& device) {
    if (!known(port)) return "there is no port " + portLabel(port);
    chosen_[slot(port)] = device;
    return memory_.remember(port, device);
}

std::optional<std::string> PortDevices::chosen(int port) const {
    return known(port) ? chosen_[slot(port)] : std::nullopt;
}

void PortDevices::use(int port, std::optional<std::string> device) {
    if (known(port)) chosen_[slot(port)] = std::move(device);
}

std::string platformDevice(int port) {
#ifdef _WIN32
    return portLabel(port);
#else
    return "/dev/ttyS" + std::to_string(port - 1);
#endif
}

std::string portLabel(int port) {
    return "COM" + std::to_string(port);
}

}  // namespace qm5
