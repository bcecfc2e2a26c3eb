// SPDX-License-Identifier: MIT
#pragma once

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

}  // namespace qm5
