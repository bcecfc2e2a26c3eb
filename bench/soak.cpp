// SPDX-License-Identifier: MIT
// Holds an arrow at the fastest repeat (5 ms) against the virtual projector for a long time and
// checks that every frame arrived whole and in order, that none was lost, and that memory
// stays put.
#include <QApplication>
#include <QEventLoop>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "core/controls.h"
#include "process.h"
#include "ui/fonts.h"
#include "window/qt_panel.h"

namespace {

namespace control = qm5::control;

using Clock = std::chrono::steady_clock;

long selfStatus(const char* field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(field, 0) == 0) return std::stol(line.substr(std::string(field).size()));
    }
    return -1;
}

void run(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qm5::installFontSubstitutes();
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_soak PROJECTOR [SECONDS]\n");
        return 2;
    }
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 600;
    const std::string log = "/tmp/qm5-soak.log";
    qm5::bench::Process projector(argv[1], {"--log", log}, {});
    ::setenv("QM5_COM1", projector.readLine().c_str(), 1);

    qm5::QtPanel panel;
    panel.controlPanel.load();
    panel.window.show();
    // Releasing D.Zoom leaves the arrows their fastest repeat.
    QWidget* dzoom = panel.window.control(control::kDigitalZoomPlus);
    QTest::mousePress(dzoom, Qt::LeftButton);
    QTest::mouseRelease(dzoom, Qt::LeftButton);
    run(1500);

    QWidget* arrow = panel.window.control(control::kArrowUp);
    const Clock::time_point pressed = Clock::now();
    QTest::mousePress(arrow, Qt::LeftButton);
    run(5000);
    const long rssStart = selfStatus("VmRSS:");
    run(seconds * 1000 - 5000);
    QTest::mouseRelease(arrow, Qt::LeftButton);
    const double held = std::chrono::duration<double, std::milli>(Clock::now() - pressed).count();
    const long rssEnd = selfStatus("VmRSS:");
    const long due = 1 + static_cast<long>(held / 5);
    run(1000);

    long arrows = 0;
    long other = 0;
    std::ifstream file(log);
    for (std::string line; std::getline(file, line);) {
        const std::string event = line.substr(line.find(' ') + 1);
        if (event == "C3C\\r") {
            ++arrows;
        } else if (event != "C30\\r" && event != "line opened") {
            ++other;
            std::printf("unexpected: %s\n", line.c_str());
        }
    }
    // Qt fires a tick that is late by more than its interval once, not twice: a frame short of
    // the count due is a tick the event loop missed, not a frame lost on the line.
    std::printf(
        "held %.1f s at 5 ms: %ld frames due (the press and every tick), %ld arrived whole, "
        "%ld other lines, %ld ticks missed\n",
        held / 1000, due, arrows, other, due - arrows);
    std::printf("resident memory: %ld KiB after 5 s, %ld KiB at the end, drift %+ld KiB\n",
                rssStart, rssEnd, rssEnd - rssStart);
    constexpr long kMaxDriftKiB = 1024;
    return other == 0 && arrows > 0 && arrows <= due + 1 && rssEnd - rssStart < kMaxDriftKiB ? 0
                                                                                             : 1;
}
