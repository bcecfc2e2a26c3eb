// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "core/platform.h"

namespace qm5 {

/// The serial devices present now, each with what the system says it is: a USB adapter by its
/// name under /dev/serial/by-id/ where it has one, and those first, since their names say which
/// adapter they are.
std::vector<FoundDevice> findSerialDevices();

}  // namespace qm5
