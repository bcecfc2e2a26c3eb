// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <deque>

#include "core/timer.h"

namespace qm5::test {

class VirtualClock;

/// A Timer on the virtual clock, with the same rules as the real one.
class VirtualTimer final : public Timer {
  public:
    explicit VirtualTimer(VirtualClock& clock) : clock_(clock) {}

    int interval() const override { return interval_; }
    void setInterval(int milliseconds) override;
    bool enabled() const override { return enabled_; }
    void setEnabled(bool on) override;

  private:
    friend class VirtualClock;
    void arm();
    bool armed() const { return enabled_ && interval_ > 0; }

    VirtualClock& clock_;
    int interval_ = 0;
    bool enabled_ = false;
    bool inTick_ = false;
    std::int64_t due_ = 0;
    std::uint64_t armedOrder_ = 0;
};

/// Time in milliseconds that moves only when a test says so, firing the timers that fall due in
/// the order they fall due (armed first, first when due together).
class VirtualClock {
  public:
    VirtualTimer& newTimer() { return timers_.emplace_back(*this); }

    std::int64_t now() const { return now_; }
    void advance(std::int64_t milliseconds) { advanceTo(now_ + milliseconds); }
    void advanceTo(std::int64_t time);

  private:
    friend class VirtualTimer;
    VirtualTimer* nextDue(std::int64_t limit);

    std::deque<VirtualTimer> timers_;
    std::int64_t now_ = 0;
    std::uint64_t armings_ = 0;
};

}  // namespace qm5::test
