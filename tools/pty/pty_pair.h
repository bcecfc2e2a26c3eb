// SPDX-License-Identifier: MIT
#pragma once

#include <termios.h>

#include <string>

namespace qm5 {

/// A raw pseudo-terminal pair: the program opens the device at path(); the test plays the far
/// end on the master side.
class PtyPair {
  public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    const std::string& path() const { return path_; }
    /// The far end's descriptor, for a reader of its own.
    int farEnd() const { return master_; }
    void write(const std::string& chars);
    /// Whatever has arrived at the far end, without waiting.
    std::string readAvailable();
    /// What has arrived at the far end within `timeoutMs`, once `count` bytes are there.
    std::string read(std::size_t count, int timeoutMs = 2000);
    /// Whether the program has let go of the line (its last descriptor closed).
    bool farEndClosed(int timeoutMs = 2000);
    /// The line's settings as the program left them.
    termios lineSettings() const;
    /// The far end goes away, as an unplugged adapter does.
    void hangUp();

  private:
    int master_ = -1;
    int slave_ = -1;  // only until set up
    std::string path_;
};

}  // namespace qm5
