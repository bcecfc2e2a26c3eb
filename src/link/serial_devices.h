// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>
#include <vector>

#include "core/platform.h"

namespace qm5 {

/// The serial devices present now, each with what the system says it is: a USB adapter by its
/// name under /dev/serial/by-id/ where it has one, and those first, since their names say which
/// adapter they are.
std::vector<FoundDevice> findSerialDevices();

/// Whether another process has `device` open or holds its lock file: a terminal program or a
/// printer host holds its line without exclusive access, often without a lock or with one in the
/// usual "  PID" form that the serial port's own check takes for stale. A query opened beside it
/// would reach its owner. Another user's processes stay hidden; their locks still count.
bool takenByAProcess(std::string_view device);

}  // namespace qm5
