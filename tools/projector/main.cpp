// SPDX-License-Identifier: MIT
// qm5-projector: a virtual projector on a pseudo-terminal, for trying and testing the panel
// without one.
#include <sys/prctl.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "options.h"
#include "projector_line.h"

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int /*signal*/) {
    stopRequested = 1;
}

/// SIGINT and SIGTERM stop the projector, and so does the end of the process that started it.
/// They are blocked except while the projector waits, so none comes between its check and its
/// wait. Returns the mask to wait with.
sigset_t stopOnSignals() {
    struct sigaction action {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    sigset_t stops;
    sigemptyset(&stops);
    sigaddset(&stops, SIGINT);
    sigaddset(&stops, SIGTERM);
    sigset_t waitMask;
    sigprocmask(SIG_BLOCK, &stops, &waitMask);

    const pid_t parent = ::getppid();
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    // The parent may have gone before it could be watched.
    if (::getppid() != parent) stopRequested = 1;
    return waitMask;
}

}  // namespace

int main(int argc, char* argv[]) {
    qm5::projector::Options options;
    try {
        options = qm5::projector::parseOptions(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const qm5::projector::UsageError& error) {
        std::fprintf(stderr, "qm5-projector: %s. Try 'qm5-projector --help'.\n", error.what());
        return 2;
    }
    if (options.help) {
        std::fputs(qm5::projector::kUsage, stdout);
        return 0;
    }
    if (options.version) {
        std::printf("qm5-projector %s\n", QM5_VERSION);
        return 0;
    }
    const sigset_t waitMask = stopOnSignals();
    try {
        qm5::projector::ProjectorLine line(options);
        std::printf("%s\n", line.path().c_str());
        std::fflush(stdout);
        return line.run(stopRequested, waitMask);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "qm5-projector: %s\n", error.what());
        return 1;
    }
}
