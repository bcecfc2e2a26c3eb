// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace qm5::projector {

struct ProjectorOptions {
    /// Seconds of "count down" after power on, and of "cooling down" after power off.
    double warmUpSeconds = 5;
    double coolDownSeconds = 5;
    int lampHours = 0;
    /// Seconds of power-on time per lamp hour.
    double hourSeconds = 3600;
    /// Orientation reply: "11" normal, "10" top/bottom, "01" left/right, "00" both reversed.
    std::string orientation = "11";
};

/// What the projector answers to each frame, as a function of time in seconds.
class Projector {
  public:
    static constexpr char kAck = 6;
    static constexpr char kNak = 21;

    explicit Projector(ProjectorOptions options) : options_(std::move(options)) {}

    /// The reply to a command or status query (the code without its CR) received at `now`.
    std::string answer(std::string_view code, double now);

  private:
    enum class Power { Standby, CountDown, On, Cooling };

    Power powerAt(double now) const;
    int lampHoursAt(double now) const;
    bool lampLit(double now) const;
    void powerOn(double now);
    void powerOff(double now);

    ProjectorOptions options_;
    bool switchedOn_ = false;
    double switchedAt_ = -1e9;
    /// Lamp seconds up to `switchedAt_`.
    double lampSecondsBefore_ = 0;
    char input_ = '0';
};

}  // namespace qm5::projector
