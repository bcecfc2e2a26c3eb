// SPDX-License-Identifier: MIT
#pragma once

namespace qm5 {

struct QueryOutcome;

/// `status` once what was printed has reached standard output, or 1 with a word on stderr: an
/// answer the caller never gets (standard output full or closed) is no success.
int writtenOut(int status);

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
