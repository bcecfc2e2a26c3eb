// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <set>
#include <string_view>
#include <vector>

#include "core/platform.h"

namespace qm5 {

/// The serial devices present now, each with what the system says it is: a USB adapter by its
/// name under /dev/serial/by-id/ where it has one, and those first, since their names say which
/// adapter they are.
std::vector<FoundDevice> findSerialDevices();

/// The devices that the processes this user may look into have open now, read once for a
/// whole search: a terminal program or a printer host holds its line without exclusive access and
/// often without a lock file. Another user's processes stay hidden; their locks still count.
using OpenDevices = std::set<QString>;
OpenDevices openDevices();

/// Whether `device` is in `open`, a live process holds its lock file (also in the usual "  PID"
/// form that the serial port's own check takes for stale), or a program holds it in exclusive
/// mode: a query opened beside it would reach its owner. Asked just before the device is
/// opened. Another user's program that neither locks the line nor holds it exclusively cannot
/// be seen.
bool takenByAProcess(std::string_view device, const OpenDevices& open);

}  // namespace qm5
