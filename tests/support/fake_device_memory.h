// SPDX-License-Identifier: MIT
#pragma once

#include <map>

#include "link/port_devices.h"

namespace qm5::test {

/// Remembered devices in memory; a test can make remembering fail.
class FakeDeviceMemory final : public DeviceMemory {
  public:
    std::optional<std::string> recall(int port) const override {
        const auto device = devices.find(port);
        return device == devices.end() ? std::nullopt : std::optional(device->second);
    }
    std::optional<std::string> remember(int port, const std::string& device) override {
        if (failure) return failure;
        devices[port] = device;
        return std::nullopt;
    }

    std::map<int, std::string> devices;
    /// Set: remembering fails with this reason.
    std::optional<std::string> failure;
};

}  // namespace qm5::test
