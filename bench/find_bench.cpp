// SPDX-License-Identifier: MIT
// --find over 1, 4, 16 and 64 pseudo-terminals, each a virtual projector: from starting the program
// to its exit. All devices are asked at once, so the goal is within 1.5x one reply timeout whatever
// the count.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "core/intervals.h"
#include "pty/pty_pair.h"
#include "stats.h"

namespace {

/// One --find, in milliseconds; exits the benchmark when not every projector answered.
double findOnce(const QString& control, const QStringList& devices, qsizetype projectors) {
    QProcess find;
    QElapsedTimer took;
    took.start();
    find.start(control, QStringList{QStringLiteral("--find")} + devices);
    find.waitForFinished(10000);
    const double ms = static_cast<double>(took.nsecsElapsed()) / 1e6;
    const auto found = find.readAllStandardOutput().count('\n');
    if (find.exitCode() != 0 || found != projectors) {
        std::fprintf(stderr, "--find found %lld of %lld: %s\n", static_cast<long long>(found),
                     static_cast<long long>(projectors), find.readAllStandardError().constData());
        std::exit(1);
    }
    return ms;
}

}  // namespace

int main(int argc, char* argv[]) {
    const QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_find QM5_CONTROL QM5_PROJECTOR [RUNS]\n");
        return 2;
    }
    const QString control = QString::fromLocal8Bit(argv[1]);
    const int runs = argc > 3 ? std::atoi(argv[3]) : 10;
    std::vector<std::unique_ptr<QProcess>> projectors;
    QStringList devices;
    // The last row adds a silent line, which costs the whole reply timeout.
    const qm5::PtyPair silent;
    constexpr int kMost = 64;
    for (const int count : {1, 4, 16, kMost, kMost + 1}) {
        const qsizetype answering = std::min(count, kMost);
        while (devices.size() < answering) {
            auto& projector = projectors.emplace_back(std::make_unique<QProcess>());
            projector->start(QString::fromLocal8Bit(argv[2]), {});
            projector->waitForReadyRead(5000);
            devices << QString::fromUtf8(projector->readLine().trimmed());
        }
        if (count > kMost) devices << QString::fromStdString(silent.path());
        findOnce(control, devices, answering);  // warms the file cache
        std::vector<double> times;
        for (int i = 0; i < runs; ++i) times.push_back(findOnce(control, devices, answering));
        const auto summary = qm5::bench::summarize(times);
        std::printf(
            "--find over %2lld projectors%s, %d runs: median %.1f ms, p95 %.1f ms "
            "(goal %.0f ms)\n",
            static_cast<long long>(answering), count > kMost ? " and a silent line" : "", runs,
            summary.median, summary.p95, 1.5 * qm5::kReplyTimeoutMs);
    }
    for (auto& projector : projectors) {
        projector->terminate();
        projector->waitForFinished(3000);
    }
    return 0;
}
