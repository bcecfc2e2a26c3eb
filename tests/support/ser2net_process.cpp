// SPDX-License-Identifier: MIT
#include "support/ser2net_process.h"

#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <stdexcept>

namespace qm5::test {

namespace {

/// A port that is free on the loopback address now.
int freePort() {
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0)) throw std::runtime_error("no free port");
    return probe.serverPort();
}

}  // namespace

Ser2netProcess::Ser2netProcess(std::string device, std::string lineSettings)
    : device_(std::move(device)), lineSettings_(std::move(lineSettings)), port_(freePort()) {
    start();
}

Ser2netProcess::~Ser2netProcess() {
    stop();
}

std::string Ser2netProcess::address() const {
    return "rfc2217://127.0.0.1:" + std::to_string(port_);
}

void Ser2netProcess::start() {
    const QString config = folder_.filePath(QStringLiteral("ser2net.yaml"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly)) throw std::runtime_error("cannot write ser2net.yaml");
    file.write(QStringLiteral("connection: &projector\n"
                              "  accepter: telnet(rfc2217),tcp,127.0.0.1,%1\n"
                              "  connector: serialdev,%2,%3,local\n"
                              "  options:\n"
                              "    kickolduser: true\n")
                   .arg(port_)
                   .arg(QString::fromStdString(device_), QString::fromStdString(lineSettings_))
                   .toUtf8());
    file.close();
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(QStringLiteral("ser2net"),
                   {QStringLiteral("-n"), QStringLiteral("-u"), QStringLiteral("-c"), config,
                    QStringLiteral("-P"), folder_.filePath(QStringLiteral("ser2net.pid"))});
    if (!process_.waitForStarted(3000)) throw std::runtime_error("ser2net did not start");
    // Ready once it takes connections; bounded.
    const bool listening = QTest::qWaitFor(
        [&] {
            QTcpSocket probe;
            probe.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(port_));
            const bool up = probe.waitForConnected(100);
            probe.abort();
            return up;
        },
        5000);
    if (!listening) throw std::runtime_error("ser2net does not listen");
    QTest::qWait(100);  // let it drop the probe before a client connects
}

void Ser2netProcess::stop() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.terminate();
    if (!process_.waitForFinished(3000)) process_.kill();
    process_.waitForFinished(3000);
}

}  // namespace qm5::test
