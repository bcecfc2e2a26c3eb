// SPDX-License-Identifier: MIT
#pragma once

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "support/wait.h"

namespace qm5::test {

/// Debian's mosquitto on loopback, on a port free when it started, with a configuration of its
/// own; stopped and started again on the same port as a test asks. Plain sockets, so that a test
/// needs no Qt Network for it.
class BrokerProcess {
  public:
    BrokerProcess() {
        // A port the system hands out, free for the moment.
        const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address = loopback(0);
        socklen_t size = sizeof address;
        ::bind(probe, reinterpret_cast<sockaddr*>(&address), size);
        ::getsockname(probe, reinterpret_cast<sockaddr*>(&address), &size);
        port_ = ntohs(address.sin_port);
        ::close(probe);
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
                const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
                const sockaddr_in address = loopback(port_);
                const bool listening = ::connect(probe, reinterpret_cast<const sockaddr*>(&address),
                                                 sizeof address) == 0;
                ::close(probe);
                return listening;
            },
            kWaitMs));
    }
    void stop() {
        broker_.terminate();
        broker_.waitForFinished(kWaitMs);
    }
    quint16 port() const { return port_; }

  private:
    static sockaddr_in loopback(quint16 port) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        return address;
    }

    QTemporaryDir folder_;
    QProcess broker_;
    quint16 port_ = 0;
};

}  // namespace qm5::test
