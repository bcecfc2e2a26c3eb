// SPDX-License-Identifier: MIT
#include "frame_clock.h"

#include "stats.h"

#include <poll.h>
#include <unistd.h>

#include <cmath>

namespace qm5::bench {

namespace {

constexpr std::size_t kFrameLength = 4;

}  // namespace

FrameClock::FrameClock(int farEnd) : farEnd_(farEnd), thread_([this] { run(); }) {}

FrameClock::~FrameClock() {
    stop_ = true;
    thread_.join();
}

void FrameClock::run() {
    pollfd wait{farEnd_, POLLIN, 0};
    char buffer[4096];
    while (!stop_) {
        if (::poll(&wait, 1, 50) <= 0) continue;
        const ssize_t n = ::read(farEnd_, buffer, sizeof buffer);
        if (n <= 0) break;
        const Clock::time_point now = Clock::now();
        const std::scoped_lock lock(mutex_);
        partial_ += static_cast<std::size_t>(n);
        for (; partial_ >= kFrameLength; partial_ -= kFrameLength) {
            arrivals_.push_back(now);
            if (++count_ == target_ && reached_) reached_();
        }
    }
}

std::vector<Clock::time_point> FrameClock::arrivals() const {
    const std::scoped_lock lock(mutex_);
    return arrivals_;
}

void FrameClock::reset(std::size_t target, std::function<void()> reached) {
    const std::scoped_lock lock(mutex_);
    arrivals_.clear();
    partial_ = 0;
    count_ = 0;
    target_ = target;
    reached_ = std::move(reached);
}

GapStats gapStats(const std::vector<Clock::time_point>& arrivals, double interval) {
    std::vector<double> gaps;
    std::vector<double> deviations;
    for (std::size_t i = 1; i < arrivals.size(); ++i) {
        const double gap =
            std::chrono::duration<double, std::milli>(arrivals[i] - arrivals[i - 1]).count();
        gaps.push_back(gap);
        deviations.push_back(std::abs(gap - interval));
    }
    const Summary summary = summarize(gaps);
    return {summary.mean, summary.median, summary.p95, percentile(deviations, 0.95), gaps.size()};
}

}  // namespace qm5::bench
