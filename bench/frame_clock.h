// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace qm5::bench {

using Clock = std::chrono::steady_clock;

/// Reads the far end of a line on a thread of its own and notes when each four-byte frame
/// completes.
class FrameClock {
  public:
    explicit FrameClock(int farEnd);
    ~FrameClock();

    std::size_t count() const { return count_.load(); }
    std::vector<Clock::time_point> arrivals() const;
    /// Forgets what arrived; `reached` runs on the reader's thread once `target` frames are in.
    void reset(std::size_t target, std::function<void()> reached);

  private:
    void run();

    int farEnd_;
    std::atomic<bool> stop_{false};
    std::atomic<std::size_t> count_{0};
    mutable std::mutex mutex_;
    std::vector<Clock::time_point> arrivals_;
    std::size_t partial_ = 0;
    std::size_t target_ = 0;
    std::function<void()> reached_;
    std::thread thread_;
};

struct GapStats {
    double mean;
    double median;
    double p95;
    double p95Deviation;
    std::size_t gaps;
};

/// Statistics of the gaps between consecutive arrivals, in milliseconds, against `interval`.
GapStats gapStats(const std::vector<Clock::time_point>& arrivals, double interval);

}  // namespace qm5::bench
