// SPDX-License-Identifier: MIT
#pragma once

#include "link/serial_control.h"
#include "support/fake_device_memory.h"
#include "support/memory_line.h"
#include "support/virtual_clock.h"

namespace qm5::test {

/// The window's four timers on a virtual clock, and the serial control on devices in memory.
struct VirtualDevices {
    VirtualClock clock;
    VirtualTimer& repeatTimer = clock.newTimer();
    VirtualTimer& replyTimeout = clock.newTimer();
    VirtualTimer& portSelectorTimer = clock.newTimer();
    VirtualTimer& monitorClearing = clock.newTimer();
    FakeDeviceMemory memory;
    PortDevices devices{memory};
    MemoryLine port{clock};
    SerialControl serial{devices, port};
};

}  // namespace qm5::test
