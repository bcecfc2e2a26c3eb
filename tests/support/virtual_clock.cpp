// SPDX-License-Identifier: MIT
#include "support/virtual_clock.h"

namespace qm5::test {

void VirtualTimer::setInterval(int milliseconds) {
    interval_ = milliseconds;
    if (enabled_) arm();
}

void VirtualTimer::setEnabled(bool on) {
    if (on && enabled_ && inTick_) return;
    enabled_ = on;
    if (on) arm();
}

void VirtualTimer::arm() {
    due_ = clock_.now_ + interval_;
    armedOrder_ = clock_.armings_++;
}

void VirtualClock::advanceTo(std::int64_t time) {
    while (VirtualTimer* timer = nextDue(time)) {
        now_ = timer->due_;
        // A repeating timer begins its next period at the moment it was due.
        timer->arm();
        timer->inTick_ = true;
        timer->fireTick();
        timer->inTick_ = false;
    }
    if (time > now_) now_ = time;
}

VirtualTimer* VirtualClock::nextDue(std::int64_t limit) {
    VirtualTimer* next = nullptr;
    for (VirtualTimer& timer : timers_) {
        if (!timer.armed() || timer.due_ > limit) continue;
        if (next == nullptr || timer.due_ < next->due_ ||
            (timer.due_ == next->due_ && timer.armedOrder_ < next->armedOrder_)) {
            next = &timer;
        }
    }
    return next;
}

}  // namespace qm5::test
