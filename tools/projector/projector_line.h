// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <csignal>
#include <cstdio>
#include <deque>
#include <random>
#include <string>

#include "frame_reader.h"
#include "options.h"
#include "projector.h"
#include "pty/pty_pair.h"

namespace qm5::projector {

/// The projector on the far end of a pseudo-terminal: reads frames, answers them, and
/// misbehaves as the faults say.
class ProjectorLine {
  public:
    explicit ProjectorLine(const Options& options);
    ~ProjectorLine();
    ProjectorLine(const ProjectorLine&) = delete;
    ProjectorLine& operator=(const ProjectorLine&) = delete;

    /// The device to point the panel at: the pseudo-terminal's path, or socket://HOST:PORT.
    const std::string& path() const { return listener_ >= 0 ? address_ : line_.path(); }
    /// Serves until `stop` is set or the line hangs up; returns the exit status. The signals
    /// that set `stop` must be blocked outside this call: it takes them only while it waits, so
    /// that none is lost between its check and its wait.
    int run(const volatile std::sig_atomic_t& stop, const sigset_t& waitMask);

  private:
    using Clock = std::chrono::steady_clock;

    struct Outgoing {
        Clock::time_point at;
        std::string bytes;
    };

    void makeLink(const std::string& link);
    void listen(const ListenAddress& address);
    void acceptClient();
    void dropClient();
    /// Where the projector reads and writes: the pseudo-terminal, or the client, if any.
    int lineFd() const { return listener_ >= 0 ? client_ : line_.farEnd(); }
    static std::string linkTarget(const std::string& link);
    double seconds(Clock::time_point when) const;
    /// Waits up to `limitMs` (-1: no limit) for the line, taking signals meanwhile.
    short wait(int fd, int limitMs, const sigset_t& waitMask);
    void receive(const char* bytes, std::size_t count);
    void handleFrame(const std::string& code);
    bool hangingUp() const;
    void reply(std::string bytes);
    void sendDue(Clock::time_point now);
    void flood(Clock::time_point now);
    int timeoutMs(Clock::time_point now) const;
    /// A line of the log: the time in seconds on the monotonic clock, then the event.
    void log(const std::string& event);

    Options options_;
    PtyPair line_;
    int listener_ = -1;
    int client_ = -1;
    std::string address_;
    Projector projector_;
    std::mt19937 random_;
    Clock::time_point start_ = Clock::now();
    Clock::time_point flooded_ = start_;
    Clock::time_point busyUntil_ = start_;
    std::deque<Outgoing> outgoing_;
    FrameReader reader_;
    int frames_ = 0;
    /// Whether the panel has the line open.
    bool open_ = false;
    /// Whether --link was made here, and so is ours to remove.
    bool linked_ = false;
    std::FILE* log_ = nullptr;
};

}  // namespace qm5::projector
