// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "projector.h"

namespace qm5::projector {

/// How the virtual projector misbehaves on the line, for tests and benchmarks.
struct LineFaults {
    bool silent = false;
    /// A frame that gets no reply (its code, "C00"), the others as usual.
    std::optional<std::string> ignored;
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

/// Where --listen serves raw TCP instead of a pseudo-terminal.
struct ListenAddress {
    std::string host = "127.0.0.1";
    /// 0: any free port; the one taken is printed.
    int port = 0;
};

struct Options {
    ProjectorOptions projector;
    LineFaults faults;
    std::optional<ListenAddress> listen;
    std::optional<std::string> link;
    std::optional<std::string> log;
    unsigned seed = 1;
    bool help = false;
    bool version = false;
};

/// A command line the projector does not take; what() names the option and what it needs.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

/// The usage text of --help.
extern const char* const kUsage;

/// Parses the arguments after the program's name; throws UsageError.
Options parseOptions(const std::vector<std::string>& arguments);

}  // namespace qm5::projector
