// SPDX-License-Identifier: MIT
#pragma once

#include "support/memory_serial_control.h"
#include "support/virtual_clock.h"

namespace qm5::test {

/// The window's four timers on a virtual clock, and a port in memory.
struct VirtualDevices {
    VirtualClock clock;
    VirtualTimer& timer1 = clock.newTimer();
    VirtualTimer& timer2 = clock.newTimer();
    VirtualTimer& timer3 = clock.newTimer();
    VirtualTimer& timer4 = clock.newTimer();
    MemorySerialControl port{clock};
};

}  // namespace qm5::test
