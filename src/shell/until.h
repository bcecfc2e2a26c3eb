// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <optional>

#include "link/status_decoding.h"

namespace qm5 {

class ShellOutput;
class ShellQueries;

/// --until: the power state waited for, how often the status is asked and for how long.
struct Waiting {
    static constexpr std::chrono::milliseconds kShortestEvery{1000};

    PowerStateName state;
    std::chrono::milliseconds every{2000};
    std::chrono::milliseconds timeout{120000};
};

/// How long after `now` the next status query goes out, when the last one went out at `askedAt`
/// (both from the start of the waiting): `every` after the last, and one last query at the
/// timeout. Nothing once the timeout is reached.
std::optional<std::chrono::milliseconds> nextQueryIn(std::chrono::milliseconds askedAt,
                                                     std::chrono::milliseconds now,
                                                     const Waiting& waiting);

/// Asks the status until the power state is the one waited for (exit status 0) or the timeout
/// passes (1, with the last status seen); 3 when the device cannot be opened.
int waitUntil(ShellQueries& queries, const ShellOutput& output, const Waiting& waiting);

}  // namespace qm5
