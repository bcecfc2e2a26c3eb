// SPDX-License-Identifier: MIT
// Holds a button of the real panel on a pseudo-terminal and prints how regularly its frames
// leave, at every repeat interval the panel uses.
#include <QApplication>
#include <QEventLoop>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "core/controls.h"
#include "frame_clock.h"
#include "pty/pty_pair.h"
#include "ui/fonts.h"
#include "window/qt_panel.h"

namespace {

namespace control = qm5::control;

using qm5::QtPanel;

struct Case {
    int interval;
    const char* what;
    std::function<void(QtPanel&)> prepare;
    std::string_view held;
};

void click(QtPanel& panel, std::string_view control) {
    QTest::mouseClick(panel.window.control(control), Qt::LeftButton);
}

void pressAndRelease(QtPanel& panel, std::string_view control) {
    QTest::mousePress(panel.window.control(control), Qt::LeftButton);
    QTest::mouseRelease(panel.window.control(control), Qt::LeftButton);
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qm5::installFontSubstitutes();
    const int frames = argc > 1 ? std::atoi(argv[1]) : 200;

    qm5::PtyPair line;
    ::setenv("QM5_COM1", line.path().c_str(), 1);
    QtPanel panel;
    panel.controlPanel.load();
    panel.window.show();
    qm5::bench::FrameClock wire(line.farEnd());

    const Case cases[] = {
        {5, "arrow after D.Zoom", [](QtPanel& p) { pressAndRelease(p, control::kDigitalZoomPlus); },
         control::kArrowUp},
        {50, "Zoom +", [](QtPanel&) {}, control::kZoomPlus},
        {100, "arrow after FOCUS", [](QtPanel& p) { click(p, control::kFocusSelector); },
         control::kArrowUp},
        {200, "arrow after A-IMAGE", [](QtPanel& p) { click(p, control::kAImage); },
         control::kArrowUp},
        {250, "VOL +", [](QtPanel&) {}, control::kVolumePlus},
        {500, "SELECT", [](QtPanel&) {}, control::kSelect},
    };

    std::printf("%d frames a hold, offscreen panel, frames timed at the far end of a pty\n",
                frames);
    std::printf("%-9s %-20s %9s %9s %9s %9s %8s\n", "interval", "button held", "mean", "median",
                "p95", "p95 |dev|", "mean err");
    for (const Case& c : cases) {
        c.prepare(panel);
        QTest::qWait(50);
        // A plain event loop while holding: QTest's waits sleep between their checks.
        QEventLoop hold;
        wire.reset(frames + 1, [&hold] { QMetaObject::invokeMethod(&hold, &QEventLoop::quit); });
        QTimer::singleShot((frames + 10) * c.interval + 5000, &hold, &QEventLoop::quit);
        QWidget* held = panel.window.control(c.held);
        QTest::mousePress(held, Qt::LeftButton);
        hold.exec();
        QTest::mouseRelease(held, Qt::LeftButton);
        const bool complete = wire.count() >= static_cast<std::size_t>(frames) + 1;
        const auto arrivals = wire.arrivals();
        const qm5::bench::GapStats stats = qm5::bench::gapStats(arrivals, c.interval);
        std::printf("%6d ms %-20s %6.3f ms %6.3f ms %6.3f ms %6.3f ms %+7.2f%%%s\n", c.interval,
                    c.what, stats.mean, stats.median, stats.p95, stats.p95Deviation,
                    100.0 * (stats.mean - c.interval) / c.interval,
                    complete ? "" : "  (incomplete)");
        QTest::qWait(50);
    }
    return 0;
}
