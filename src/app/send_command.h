// SPDX-License-Identifier: MIT
#pragma once

#include "app/command_line.h"

namespace qm5 {

struct QueryOutcome;

/// How the shell's answers are printed: as the monitor shows them (the reply, then the status
/// line's words; what went wrong on stderr), or with --json one object a line on stdout.
class ShellOutput {
  public:
    explicit ShellOutput(bool json) : json_(json) {}

    bool json() const { return json_; }
    /// Returns the outcome's exit status, or 1 when standard output cannot take it.
    int print(const QueryOutcome& outcome) const;
    /// --list-commands.
    int printCommands() const;

  private:
    bool json_;
};

/// --send, --send-raw and --until, without a window: each frame goes through the panel that has
/// the port's device open, if there is one; otherwise the device is opened here. Returns the exit
/// status: 0 a reply came (and the state was reached), 1 none came (or the state was not reached
/// in time), 3 the device cannot be opened.
int sendFromShell(CommandLine& commandLine);

}  // namespace qm5
