// SPDX-License-Identifier: MIT
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace qm5::bench {

/// A program started for measuring, stopped when this goes away.
class Process {
  public:
    /// Starts `program` with `environment` added to this one's (less QT_QPA_PLATFORM).
    Process(const std::string& program, const std::vector<std::string>& arguments,
            const std::vector<std::string>& environment);
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    /// The next line the program prints, without its newline.
    std::string readLine();
    /// Resident memory in KiB.
    long residentKiB() const;
    /// User and system CPU time in milliseconds.
    double cpuMs() const;
    /// Voluntary and involuntary context switches: each one a wake-up of the program.
    long contextSwitches() const;

  private:
    long statusField(const char* name) const;

    pid_t pid_ = -1;
    int output_ = -1;
};

}  // namespace qm5::bench
