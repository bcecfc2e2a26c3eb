// SPDX-License-Identifier: MIT
#pragma once

namespace qm5 {

/// The timers' intervals at start, in milliseconds.
inline constexpr int kRepeatAtStartMs = 200;
inline constexpr int kReplyTimeoutMs = 500;
inline constexpr int kSelectorAutoHideMs = 5000;
inline constexpr int kMonitorClearingMs = 1000;

}  // namespace qm5
