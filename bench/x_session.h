// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <optional>

namespace qm5::bench {

/// The X display the programs show on, with the means to wait for their windows and to press
/// the mouse button as a person would (XTest).
class XSession {
  public:
    using Clock = std::chrono::steady_clock;

    XSession();
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    /// Waits for the next top-level window to be mapped; returns its id and when.
    std::optional<std::pair<unsigned long, Clock::time_point>> waitForMap(
        std::chrono::milliseconds limit);
    /// Width of a window in pixels.
    int width(unsigned long window) const;
    void moveTo(unsigned long window, int x, int y);
    /// Presses or releases the left button; returns the moment the event left for the server.
    Clock::time_point button(bool press);

  private:
    struct Impl;
    Impl* impl_;
};

}  // namespace qm5::bench
