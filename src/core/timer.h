// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <utility>

namespace qm5 {

/// A repeating timer as the window's handlers see it: Interval in milliseconds, Enabled, a tick.
///
/// Every implementation keeps these rules, so that tests on the virtual clock hold for the real
/// timer too:
/// - Enabling a stopped timer starts its count from zero.
/// - Enabling a timer that is already counting restarts its count, so the monitor stays up for a
///   full interval after the latest send. The one exception is a handler that enables its own
///   timer during that timer's tick: the tick already began the next period at its due time, and
///   restarting from the late moment the handler runs would make a held repeat drift.
/// - Setting the interval of a running timer restarts its count with the new interval.
/// - An interval of zero or less never ticks.
class Timer {
  public:
    virtual ~Timer() = default;

    virtual int interval() const = 0;
    virtual void setInterval(int milliseconds) = 0;
    virtual bool enabled() const = 0;
    virtual void setEnabled(bool on) = 0;

    void setTickHandler(std::function<void()> handler) { tick_ = std::move(handler); }

  protected:
    void fireTick() {
        if (tick_) tick_();
    }

  private:
    std::function<void()> tick_;
};

}  // namespace qm5
