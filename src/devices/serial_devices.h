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

/// Whether `device` is in `open` or a live process holds its lock file, also in the usual
/// "  PID" form that the serial port's own check takes for stale: a query opened beside it would
/// reach its owner. Asked just before the device is opened, beside a LineLook.
bool takenByAProcess(std::string_view device, const OpenDevices& open);

}  // namespace qm5
