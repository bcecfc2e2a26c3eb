// SPDX-License-Identifier: MIT
// The panel behind a serial device server (ser2net, RFC 2217, on loopback) beside the panel on
// the same kind of pseudo-terminal directly: press-to-wire latency, and the 250 ms and 50 ms
// repeat through the server. Offscreen, frames timed at the far end of the pty.
#include <QApplication>
#include <QEventLoop>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "core/controls.h"
#include "frame_clock.h"
#include "pty/pty_pair.h"
#include "stats.h"
#include "support/ser2net_process.h"
#include "ui/fonts.h"
#include "window/qt_panel.h"

namespace {

namespace control = qm5::control;

using qm5::bench::Clock;

/// The panel with COM1 on `device`; `line` is the pty whose far end the frames reach.
struct Setup {
    Setup(qm5::PtyPair& line, const std::string& device)
        : panel(qm5::PortDevices::PerPort{device, std::nullopt}) {
        panel.controlPanel.load();
        panel.window.show();
        QTest::qWait(200);
        // Once the line is open: the far end of a pty nobody has open reads as an error.
        wire = std::make_unique<qm5::bench::FrameClock>(line.farEnd());
    }
    qm5::QtPanel panel;
    std::unique_ptr<qm5::bench::FrameClock> wire;
};

/// Milliseconds from each click of "ON" to its frame at the far end.
qm5::bench::Summary pressToWire(Setup& setup, int presses) {
    std::vector<double> latencies;
    QWidget* on = setup.panel.window.control(control::kPowerOn);
    for (int i = 0; i < presses; ++i) {
        setup.wire->reset(1, [] {});
        const Clock::time_point pressed = Clock::now();
        QTest::mouseClick(on, Qt::LeftButton);
        [[maybe_unused]] const bool arrived =
            QTest::qWaitFor([&] { return setup.wire->count() >= 1; }, 1000);
        const auto arrivals = setup.wire->arrivals();
        if (!arrivals.empty()) {
            latencies.push_back(
                std::chrono::duration<double, std::milli>(arrivals.front() - pressed).count());
        }
        QTest::qWait(20);
    }
    return qm5::bench::summarize(latencies);
}

qm5::bench::GapStats hold(Setup& setup, std::string_view control, int interval, int frames) {
    QEventLoop holding;
    setup.wire->reset(static_cast<std::size_t>(frames) + 1,
                      [&holding] { QMetaObject::invokeMethod(&holding, &QEventLoop::quit); });
    QTimer::singleShot((frames + 10) * interval + 5000, &holding, &QEventLoop::quit);
    QWidget* held = setup.panel.window.control(control);
    QTest::mousePress(held, Qt::LeftButton);
    holding.exec();
    QTest::mouseRelease(held, Qt::LeftButton);
    QTest::qWait(300);
    return qm5::bench::gapStats(setup.wire->arrivals(), interval);
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qm5::installFontSubstitutes();
    const int presses = argc > 1 ? std::atoi(argv[1]) : 200;
    const int frames = argc > 2 ? std::atoi(argv[2]) : 100;

    qm5::PtyPair direct;
    qm5::PtyPair served;
    qm5::test::Ser2netProcess server(served.path(), "9600n81");

    qm5::bench::Summary local;
    {
        Setup setup(direct, direct.path());
        local = pressToWire(setup, presses);
    }
    Setup setup(served, server.address());
    const qm5::bench::Summary network = pressToWire(setup, presses);

    std::printf("press to wire, %d presses of ON each\n", presses);
    std::printf("%-26s %9s %9s %9s\n", "", "median", "p95", "mean");
    std::printf("%-26s %6.3f ms %6.3f ms %6.3f ms\n", "pty directly", local.median, local.p95,
                local.mean);
    std::printf("%-26s %6.3f ms %6.3f ms %6.3f ms\n", "ser2net rfc2217 on loopback", network.median,
                network.p95, network.mean);
    std::printf("added by the server: %.3f ms at the median\n\n", network.median - local.median);

    std::printf("repeat through ser2net, %d frames a hold\n", frames);
    std::printf("%-9s %-8s %9s %9s %9s %9s %8s\n", "interval", "button", "mean", "median", "p95",
                "p95 |dev|", "mean err");
    for (const auto& [button, name, interval] : {std::tuple{control::kVolumePlus, "VOL +", 250},
                                                 std::tuple{control::kZoomPlus, "Zoom +", 50}}) {
        const qm5::bench::GapStats stats = hold(setup, button, interval, frames);
        std::printf("%6d ms %-8s %6.3f ms %6.3f ms %6.3f ms %6.3f ms %+7.2f%%\n", interval, name,
                    stats.mean, stats.median, stats.p95, stats.p95Deviation,
                    100.0 * (stats.mean - interval) / interval);
    }
    return 0;
}
