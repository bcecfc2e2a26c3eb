// SPDX-License-Identifier: MIT
#pragma once

#include "link/device.h"

namespace qm5 {

/// The devices of this machine and its network: a serial port by its path, or a serial device
/// server by rfc2217:// or socket://.
class SystemDevices final : public DeviceFactory {
  public:
    std::unique_ptr<Device> makeDevice(int port, const std::string& device,
                                       DeviceEvents& events) override;
};

}  // namespace qm5
