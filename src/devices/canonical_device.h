// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <string_view>

namespace qm5 {

/// The device's path with every link resolved (/dev/serial/by-id/... becomes /dev/ttyUSB0), so
/// that two names of one device open, lock and are found as one; any other text as it is.
QString canonicalDevice(std::string_view device);

}  // namespace qm5
