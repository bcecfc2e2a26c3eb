// SPDX-License-Identifier: MIT
// The link that heals itself, in figures: how soon a device that comes back is open again (an
// adapter's name, a server), how much memory each hostile server costs, and how soon the window
// is up beside a server that never answers. Everything on pseudo-terminals and 127.0.0.1.
// Usage: bench_reconnect [ROUNDS]
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "core/controls.h"
#include "devices/device_address.h"
#include "devices/network_device.h"
#include "pty/pty_pair.h"
#include "support/device_outcome.h"
#include "support/rfc2217_server.h"
#include "ui/fonts.h"
#include "window/qt_panel.h"

namespace {

using qm5::test::Rfc2217Server;
constexpr int kWaitMs = 40000;

long rssKiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    }
    return -1;
}

void printTimes(const char* what, std::vector<qint64> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("%-44s median %5lld ms, max %5lld ms (%zu rounds)\n", what,
                static_cast<long long>(ms[ms.size() / 2]), static_cast<long long>(ms.back()),
                ms.size());
}

/// An adapter's name goes and comes back; the time from its return to the port open.
void pathReturn(int rounds) {
    const QTemporaryDir byId;
    const QString name = byId.filePath(QStringLiteral("usb-Projector-if00"));
    auto adapter = std::make_unique<qm5::PtyPair>();
    QFile::link(QString::fromStdString(adapter->path()), name);
    qm5::QtPanel panel({name.toStdString(), std::nullopt});
    panel.controlPanel.load();
    std::vector<qint64> times;
    for (int round = 0; round < rounds; ++round) {
        adapter->hangUp();
        QFile::remove(name);
        if (!QTest::qWaitFor([&] { return !panel.serial.isOpen(); }, kWaitMs)) break;
        adapter = std::make_unique<qm5::PtyPair>();
        QElapsedTimer back;
        back.start();
        QFile::link(QString::fromStdString(adapter->path()), name);
        if (!QTest::qWaitFor([&] { return panel.serial.isOpen(); }, kWaitMs)) break;
        times.push_back(back.elapsed());
    }
    if (!times.empty()) printTimes("adapter's name back -> port open", times);
}

/// A server restarts on its port; the time from its return to the port open.
void serverReturn(int rounds) {
    auto server = std::make_unique<Rfc2217Server>(Rfc2217Server::Behaviour::Answers);
    const quint16 port = server->port();
    qm5::QtPanel panel({"rfc2217://127.0.0.1:" + std::to_string(port), std::nullopt});
    panel.controlPanel.load();
    std::vector<qint64> times;
    for (int round = 0; round < rounds; ++round) {
        if (!QTest::qWaitFor([&] { return panel.serial.isOpen(); }, kWaitMs)) break;
        server.reset();  // the device server restarts
        if (!QTest::qWaitFor([&] { return !panel.serial.isOpen(); }, kWaitMs)) break;
        QTest::qWait(200);
        server = std::make_unique<Rfc2217Server>(Rfc2217Server::Behaviour::Answers, port);
        QElapsedTimer back;
        back.start();
        if (!QTest::qWaitFor([&] { return panel.serial.isOpen(); }, kWaitMs)) break;
        times.push_back(back.elapsed());
        // Traffic confirms the link, so the next retry starts again from a second.
        panel.controlPanel.click(qm5::control::kPowerOn);
    }
    if (!times.empty()) printTimes("server back -> port open (first retry ~1 s)", times);
}

/// The memory each hostile server makes the program keep at its most, beside what it had before,
/// and how the server ended.
void hostileMemory() {
    const QByteArray toggles = QByteArray("\xff\xfb\x00\xff\xfc\x00", 6).repeated(64 * 1024);
    enum class Misdeed { Floods, NeverEndsASubnegotiation, ReadsNothing };
    const struct {
        const char* what;
        Misdeed misdeed;
    } peers[] = {
        {"floods 200 KiB before the settings", Misdeed::Floods},
        {"never ends a subnegotiation", Misdeed::NeverEndsASubnegotiation},
        {"sends option changes, reads nothing", Misdeed::ReadsNothing},
    };
    for (const auto& peer : peers) {
        const long before = rssKiB();
        long most = before;
        Rfc2217Server server(peer.misdeed == Misdeed::Floods
                                 ? Rfc2217Server::Behaviour::FloodsBeforeAnswering
                                 : Rfc2217Server::Behaviour::Answers);
        qm5::test::DeviceOutcome outcome;
        qm5::NetworkDevice device(std::get<qm5::NetworkAddress>(qm5::parseDevice(
                                      "rfc2217://127.0.0.1:" + std::to_string(server.port()))),
                                  outcome);
        device.open(qm5::LineSettings{19200, qm5::Parity::None, 8, qm5::StopBits::One});
        if (peer.misdeed != Misdeed::Floods) {
            (void)QTest::qWaitFor([&] { return outcome.opened; }, kWaitMs);
        }
        if (peer.misdeed == Misdeed::NeverEndsASubnegotiation) {
            server.send(QByteArray("\xff\xfa\x2c\x6a\x01", 5));
        }
        if (peer.misdeed == Misdeed::ReadsNothing && server.client() != nullptr) {
            server.client()->setReadBufferSize(1);
        }
        QElapsedTimer spent;
        spent.start();
        while (outcome.failed.empty() && outcome.lost.empty() && spent.elapsed() < 15000) {
            if (peer.misdeed == Misdeed::ReadsNothing) server.send(toggles);
            QTest::qWait(20);
            most = std::max(most, rssKiB());
        }
        std::printf("%-44s +%6.1f MB at most; %s\n", peer.what, (most - before) / 1024.0,
                    outcome.failed.empty() && outcome.lost.empty()
                        ? "still connected after 15 s"
                        : (outcome.failed + outcome.lost).c_str());
    }
}

/// The time the window takes to appear beside a server that accepts and never answers.
void silentServerStartUp() {
    Rfc2217Server silent(Rfc2217Server::Behaviour::Silent);
    QElapsedTimer started;
    started.start();
    qm5::QtPanel panel({"rfc2217://127.0.0.1:" + std::to_string(silent.port()), std::nullopt});
    panel.controlPanel.load();
    panel.window.show();
    const bool exposed = QTest::qWaitForWindowExposed(&panel.window);
    std::printf("%-44s %5lld ms%s\n", "window up beside a silent server",
                static_cast<long long>(started.elapsed()), exposed ? "" : " (never exposed)");
    panel.controlPanel.requestEnd();
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir configuration;
    qputenv("XDG_CONFIG_HOME", configuration.path().toLocal8Bit());
    QApplication app(argc, argv);
    qm5::installFontSubstitutes();
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 10;
    silentServerStartUp();
    pathReturn(rounds);
    serverReturn(std::max(1, rounds / 3));
    hostileMemory();
    return 0;
}
