// SPDX-License-Identifier: MIT
// Start-up of the panel beside the toolkit floor: from spawning each program to its window's
// MapNotify, alternating the two so that both see the same machine. Run inside an X display.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "process.h"
#include "pty/pty_pair.h"
#include "stats.h"
#include "x_session.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

double startOnce(qm5::bench::XSession& x, const std::string& binary) {
    const qm5::PtyPair line;
    const Clock::time_point started = Clock::now();
    const qm5::bench::Process process(binary, {}, {"QM5_COM1=" + line.path()});
    const auto mapped = x.waitForMap(10s);
    if (!mapped) {
        std::fprintf(stderr, "%s showed no window\n", binary.c_str());
        std::exit(1);
    }
    return std::chrono::duration<double, std::milli>(mapped->second - started).count();
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_startup PANEL FLOOR [STARTS]\n");
        return 2;
    }
    const int starts = argc > 3 ? std::atoi(argv[3]) : 10;
    qm5::bench::XSession x;
    std::vector<double> panel;
    std::vector<double> floor;
    startOnce(x, argv[1]);  // warms the file cache for both
    startOnce(x, argv[2]);
    for (int i = 0; i < starts; ++i) {
        panel.push_back(startOnce(x, argv[1]));
        floor.push_back(startOnce(x, argv[2]));
    }
    const double p = qm5::bench::summarize(panel).median;
    const double f = qm5::bench::summarize(floor).median;
    std::printf(
        "start-up to window shown, median of %d: panel %.2f ms, floor %.2f ms, ratio %.3f\n",
        starts, p, f, p / f);
    return 0;
}
