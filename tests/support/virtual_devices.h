// SPDX-License-Identifier: MIT
#pragma once

#include "support/fake_device_memory.h"
#include "support/memory_serial_control.h"
#include "support/virtual_clock.h"

namespace qm5::test {

/// The window's four timers on a virtual clock, and a port in memory.
struct VirtualDevices {
    VirtualClock clock;
    VirtualTimer& repeatTimer = clock.newTimer();
    VirtualTimer& replyTimeout = clock.newTimer();
    VirtualTimer& selectorTimer = clock.newTimer();
    VirtualTimer& monitorClearing = clock.newTimer();
    FakeDeviceMemory memory;
    PortDevices devices{memory};
    MemorySerialControl port{clock, devices};
};

}  // namespace qm5::test
