// SPDX-License-Identifier: MIT
#include "link/system_devices.h"

#include <variant>

#include "link/device_address.h"
#include "link/network_device.h"
#include "link/serial_port_device.h"

namespace qm5 {

std::unique_ptr<Device> SystemDevices::makeDevice(int /*port*/, const std::string& device,
                                                  DeviceEvents& events) {
    auto address = parseDevice(device);
    if (const auto* wrong = std::get_if<AddressError>(&address)) {
        throw DeviceFailure{wrong->what + "."};
    }
    if (auto* network = std::get_if<NetworkAddress>(&address)) {
        return std::make_unique<NetworkDevice>(std::move(*network), events);
    }
    return std::make_unique<SerialPortDevice>(device, events);
}

}  // namespace qm5
