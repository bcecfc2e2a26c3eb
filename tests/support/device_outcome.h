// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "devices/device.h"

namespace qm5::test {

/// How a device opened alone, without a serial control, fares: what it told.
struct DeviceOutcome final : DeviceEvents {
    void onLineReport(LineEvent /*event*/) override {}
    void onDeviceLost(std::string_view reason) override { lost = reason; }
    void onDeviceOpened() override { opened = true; }
    void onOpenFailed(std::string_view reason) override { failed = reason; }

    bool opened = false;
    std::string failed;
    std::string lost;
};

}  // namespace qm5::test
