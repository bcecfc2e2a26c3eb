// SPDX-License-Identifier: MIT
// Start-up, memory, idle cost, click-to-wire latency and behaviour under a flooding device of
// the panel, each beside the toolkit floor. Run inside an X display (bench/run does).
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "frame_clock.h"
#include "process.h"
#include "pty/pty_pair.h"
#include "stats.h"
#include "x_session.h"

namespace {

using namespace std::chrono_literals;
using qm5::bench::Process;
using qm5::bench::Summary;
using qm5::bench::XSession;
using Clock = std::chrono::steady_clock;

struct Subject {
    const char* name;
    std::string binary;
    /// Where to press, in pixels of the window at its design width, and that width.
    double x;
    double y;
    double designWidth;
    std::vector<std::string> arguments = {};
};

struct Figures {
    Summary startupMs;
    long residentKiB = 0;
    double idleCpuMs = 0;
    long idleWakeUps = 0;
    Summary latencyMs;
    Summary floodLatencyMs;
    long floodGrowthKiB = 0;
};

double ms(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

/// A subject started on `device`, its window shown.
struct Running {
    Running(XSession& x, const Subject& subject, const std::string& device)
        : process(subject.binary, subject.arguments, {"QM5_COM1=" + device}) {
        const Clock::time_point started = Clock::now();
        const auto mapped = x.waitForMap(10s);
        if (!mapped) throw std::runtime_error(std::string(subject.name) + " showed no window");
        window = mapped->first;
        startupMs = ms(mapped->second - started);
        std::this_thread::sleep_for(1s);  // let it settle before it is measured or pressed
        x.moveTo(window, static_cast<int>(subject.x * x.width(window) / subject.designWidth),
                 static_cast<int>(subject.y * x.width(window) / subject.designWidth));
    }

    Process process;
    unsigned long window = 0;
    double startupMs = 0;
};

/// Presses and releases the button `presses` times, 200 ms apart, each time once `frames` has
/// grown or a second has passed; returns when each press was.
std::vector<Clock::time_point> press(XSession& x, int presses,
                                     const std::function<std::size_t()>& frames) {
    std::vector<Clock::time_point> pressed;
    for (int i = 0; i < presses; ++i) {
        pressed.push_back(x.button(true));
        const Clock::time_point deadline = Clock::now() + 1s;
        while (frames() <= static_cast<std::size_t>(i) && Clock::now() < deadline) {
            std::this_thread::sleep_for(100us);
        }
        std::this_thread::sleep_for(20ms);
        x.button(false);
        std::this_thread::sleep_for(180ms);
    }
    return pressed;
}

/// Milliseconds from each press to its frame.
Summary latencies(const std::vector<Clock::time_point>& pressed,
                  const std::vector<Clock::time_point>& arrived) {
    std::vector<double> values;
    for (std::size_t i = 0; i < pressed.size() && i < arrived.size(); ++i)
        values.push_back(ms(arrived[i] - pressed[i]));
    return qm5::bench::summarize(values);
}

void measureQuiet(XSession& x, const Subject& subject, Figures& figures, int presses) {
    std::vector<double> startups;
    constexpr int kStarts = 5;
    for (int run = 1; run <= kStarts; ++run) {
        qm5::PtyPair line;
        Running running(x, subject, line.path());
        startups.push_back(running.startupMs);
        if (run < kStarts) continue;

        figures.residentKiB = running.process.residentKiB();
        const double cpu = running.process.cpuMs();
        const long switches = running.process.contextSwitches();
        std::this_thread::sleep_for(10s);
        figures.idleCpuMs = running.process.cpuMs() - cpu;
        figures.idleWakeUps = running.process.contextSwitches() - switches;

        qm5::bench::FrameClock wire(line.farEnd());
        const auto pressed = press(x, presses, [&] { return wire.count(); });
        figures.latencyMs = latencies(pressed, wire.arrivals());
    }
    figures.startupMs = qm5::bench::summarize(startups);
}

/// When each frame arrived at the projector, from its log.
std::vector<Clock::time_point> loggedFrames(const std::string& log) {
    std::vector<Clock::time_point> times;
    std::ifstream file(log);
    for (std::string line; std::getline(file, line);) {
        if (line.size() < 3 || line.compare(line.size() - 2, 2, "\\r") != 0) continue;
        const std::chrono::duration<double> seconds(std::stod(line.substr(0, line.find(' '))));
        times.emplace_back(std::chrono::duration_cast<Clock::duration>(seconds));
    }
    return times;
}

void measureFlood(XSession& x, const Subject& subject, Figures& figures,
                  const std::string& projectorBinary, int seconds) {
    const std::string log = "/tmp/qm5-bench-flood.log";
    // 115200 baud of random bytes: 11520 a second.
    Process projector(projectorBinary, {"--flood", "11520", "--log", log}, {});
    Running running(x, subject, projector.readLine());
    const long before = running.process.residentKiB();
    const auto pressed = press(x, seconds * 5, [&] { return loggedFrames(log).size(); });
    figures.floodGrowthKiB = running.process.residentKiB() - before;
    figures.floodLatencyMs = latencies(pressed, loggedFrames(log));
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: bench_wire PANEL FLOOR PROJECTOR [PRESSES [FLOOD_SECONDS]]\n");
        return 2;
    }
    const int presses = argc > 4 ? std::atoi(argv[4]) : 60;
    const int floodSeconds = argc > 5 ? std::atoi(argv[5]) : 60;
    // VOL + sends at the press, as the floor's button does; its middle, at 96 DPI.
    const Subject subjects[] = {
        {"panel", argv[1], (3600 + 375 / 2.0) / 15, (2880 + 255 / 2.0) / 15, 9510 / 15.0},
        {"floor", argv[2], 100, 50, 200},
    };

    XSession x;
    Figures figures[2];
    for (int i = 0; i < 2; ++i) {
        measureQuiet(x, subjects[i], figures[i], presses);
        measureFlood(x, subjects[i], figures[i], argv[3], floodSeconds);
    }
    // The panel again, logging its traffic: the send path must not feel it.
    const std::string log = "/tmp/qm5-bench-wire-" + std::to_string(::getpid()) + ".log";
    Subject logging = subjects[0];
    logging.arguments = {"--log", log};
    Figures withLog;
    measureQuiet(x, logging, withLog, presses);
    std::remove(log.c_str());

    const Figures& panel = figures[0];
    const Figures& floor = figures[1];
    const auto row = [](const char* what, double p, double f, const char* unit) {
        std::printf("%-34s %10.3f %10.3f %-4s %7.2f\n", what, p, f, unit, f != 0 ? p / f : 0.0);
    };
    std::printf("%-34s %10s %10s %-4s %7s\n", "", "panel", "floor", "", "ratio");
    row("start-up to window shown, median", panel.startupMs.median, floor.startupMs.median, "ms");
    row("resident memory after start", panel.residentKiB / 1024.0, floor.residentKiB / 1024.0,
        "MiB");
    row("idle CPU over 10 s", panel.idleCpuMs, floor.idleCpuMs, "ms");
    row("idle wake-ups over 10 s", static_cast<double>(panel.idleWakeUps),
        static_cast<double>(floor.idleWakeUps), "");
    row("press to wire, median", panel.latencyMs.median, floor.latencyMs.median, "ms");
    row("press to wire, p95", panel.latencyMs.p95, floor.latencyMs.p95, "ms");
    row("press to wire with --log, median", withLog.latencyMs.median, floor.latencyMs.median, "ms");
    row("press to wire with --log, p95", withLog.latencyMs.p95, floor.latencyMs.p95, "ms");
    row("press to wire in a flood, median", panel.floodLatencyMs.median,
        floor.floodLatencyMs.median, "ms");
    row("press to wire in a flood, p95", panel.floodLatencyMs.p95, floor.floodLatencyMs.p95, "ms");
    row("memory growth in the flood", panel.floodGrowthKiB / 1024.0, floor.floodGrowthKiB / 1024.0,
        "MiB");
    std::printf("presses: %zu quiet, %zu in a %d s flood of 11520 random bytes a second\n",
                panel.latencyMs.count, panel.floodLatencyMs.count, floodSeconds);
    std::printf("flood p95 against quiet p95: panel %.2f, floor %.2f\n",
                panel.floodLatencyMs.p95 / panel.latencyMs.p95,
                floor.floodLatencyMs.p95 / floor.latencyMs.p95);
    return 0;
}
