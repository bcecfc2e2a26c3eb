// SPDX-License-Identifier: MIT
#pragma once

#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "support/wait.h"

namespace qm5::test {

/// Debian's mosquitto on loopback, on a port free when it started, with a configuration of its
/// own; stopped and started again on the same port as a test asks.
class BrokerProcess {
  public:
    BrokerProcess() {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        port_ = probe.serverPort();
        probe.close();
        QFile conf(folder_.filePath(QStringLiteral("mosquitto.conf")));
        conf.open(QIODevice::WriteOnly);
        conf.write(QStringLiteral("listener %1 127.0.0.1\nallow_anonymous true\n"
                                  "persistence false\n")
                       .arg(port_)
                       .toUtf8());
        conf.close();
        start();
    }
    ~BrokerProcess() { stop(); }

    void start() {
        broker_.start(QStringLiteral("mosquitto"),
                      {QStringLiteral("-c"), folder_.filePath(QStringLiteral("mosquitto.conf"))});
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                QTcpSocket probe;
                probe.connectToHost(QHostAddress::LocalHost, port_);
                return probe.waitForConnected(50);
            },
            kWaitMs));
    }
    void stop() {
        broker_.terminate();
        broker_.waitForFinished(kWaitMs);
    }
    quint16 port() const { return port_; }

  private:
    QTemporaryDir folder_;
    QProcess broker_;
    quint16 port_ = 0;
};

}  // namespace qm5::test
