// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "projector.h"

namespace qm5::projector {

/// How the virtual projector misbehaves on the line, for tests and benchmarks.
struct LineFaults {
    bool silent = false;
    double replyDelayMs = 0;
    /// Replies go out in pieces of this many bytes, `splitGapMs` apart; 0 keeps them whole.
    int splitBytes = 0;
    double splitGapMs = 20;
    /// Chance that a reply comes with random bytes mixed in.
    double noise = 0;
    /// Random bytes sent without pause, in bytes a second; 0 for none.
    int floodRate = 0;
    /// Hang up (close the line and exit) after this many frames; 0 never.
    int hangUpAfter = 0;
};

struct Options {
    ProjectorOptions projector;
    LineFaults faults;
    std::optional<std::string> link;
    std::optional<std::string> log;
    unsigned seed = 1;
};

/// Parses the command line; prints usage and exits on --help or a bad option.
Options parseOptions(int argc, char* argv[]);

}  // namespace qm5::projector
