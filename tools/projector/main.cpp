// SPDX-License-Identifier: MIT
// qm5-projector: a virtual projector on a pseudo-terminal, for trying and testing the panel
// without one.
#include <csignal>
#include <cstdio>
#include <exception>

#include "options.h"
#include "projector_line.h"

namespace {

volatile bool stopRequested = false;

void requestStop(int /*signal*/) {
    stopRequested = true;
}

}  // namespace

int main(int argc, char* argv[]) {
    const qm5::projector::Options options = qm5::projector::parseOptions(argc, argv);
    std::signal(SIGINT, requestStop);
    std::signal(SIGTERM, requestStop);
    std::signal(SIGPIPE, SIG_IGN);
    try {
        qm5::projector::ProjectorLine line(options);
        std::printf("%s\n", line.path().c_str());
        std::fflush(stdout);
        return line.run(stopRequested);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "qm5-projector: %s\n", error.what());
        return 1;
    }
}
