// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/timer.h"
#include "link/line_queue.h"

namespace qm5 {

/// Told what the projector said of itself.
class ProjectorStateListener {
  public:
    virtual ~ProjectorStateListener() = default;
    /// The status words as a script reads them: "Power ON", "Stand by", "Count down"...
    virtual void onPowerState(const std::string& words) = 0;
    /// The input in use: 1, 2 or 3.
    virtual void onInput(int input) = 0;
    virtual void onLampHours(std::int64_t hours) = 0;
};

/// Learns the projector's state by asking it, in turn with every other frame, never more often
/// than it bears: the power state at start, whenever the line comes back and after a command
/// that changes it, every 2 s while it counts down or cools down and every `every` otherwise; the
/// lamp hours at start and every 10 minutes; the input at start and after a selection. A query
/// whose reply a click cut short, or that found a button held, is asked again soon.
class StatePolling final : public LineAsker {
  public:
    enum class Query : std::uint64_t { Power, Input, LampTime };
    static constexpr std::chrono::seconds kTransitionEvery{2};
    static constexpr std::chrono::seconds kLampEvery{600};
    /// Projectors asked more often lock up.
    static constexpr std::chrono::seconds kShortestEvery{2};

    /// `powerTimer` and `lampTimer` are the polling's own.
    StatePolling(LineQueue& line, ProjectorStateListener& listener, Timer& powerTimer,
                 Timer& lampTimer, std::chrono::seconds every);
    ~StatePolling() override;
    StatePolling(const StatePolling&) = delete;
    StatePolling& operator=(const StatePolling&) = delete;

    /// The line is open (at start, or back): everything is asked.
    void onLineOpen();
    /// The line is away: nothing is asked until it is back.
    void onLineAway();
    /// A command that may change the power state or the input went out.
    void askPowerSoon() { ask(Query::Power); }
    void askInputSoon() { ask(Query::Input); }
    void askLampTimeSoon() { ask(Query::LampTime); }

    void onLineAnswer(std::uint64_t ticket, const LineAnswer& answer) override;

  private:
    void ask(Query query);
    void onPowerTick();
    void onLampTick();
    void readPower(const std::string& statusLine);
    void readInput(const std::string& statusLine);
    void readLampTime(std::string_view chars);
    void pollPowerEvery(std::chrono::seconds interval);
    static std::uint64_t bitOf(Query query) { return 1U << static_cast<unsigned>(query); }

    LineQueue& line_;
    ProjectorStateListener& listener_;
    Timer& powerTimer_;
    Timer& lampTimer_;
    std::chrono::seconds every_;
    bool lineOpen_ = false;
    /// The queries a click cut short, asked again at the next power tick.
    std::uint64_t askAgain_ = 0;
};

}  // namespace qm5
