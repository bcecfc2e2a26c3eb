// SPDX-License-Identifier: MIT
// The link heals itself on real devices: an adapter's path that goes away and comes back, and
// servers on the loopback address that misbehave in every way a bound must catch.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "devices/network_device.h"
#include "pty/pty_pair.h"
#include "support/device_outcome.h"
#include "support/real_panel.h"
#include "support/rfc2217_server.h"
#include "support/warning_catcher.h"

namespace qm5::test {
namespace {

TEST(ReconnectPathTest, anAdapterPluggedBackUnderItsNameIsOpenedWithinASecond) {
    const QTemporaryDir byId;
    const QString name = byId.filePath(QStringLiteral("usb-Projector-if00"));
    auto adapter = std::make_unique<PtyPair>();
    ASSERT_TRUE(QFile::link(QString::fromStdString(adapter->path()), name));
    WarningCatcher warnings;
    RealPanel panel({name.toStdString(), std::nullopt});
    ASSERT_TRUE(panel.serial.isOpen());

    // Unplugged: the far end hangs up and the name goes.
    adapter->hangUp();
    QFile::remove(name);
    ASSERT_TRUE(warnings.waitFor(1));
    EXPECT_NE(warnings.seen()[0].text.find("reconnects by itself"), std::string::npos);

    adapter = std::make_unique<PtyPair>();
    QElapsedTimer back;
    back.start();
    ASSERT_TRUE(QFile::link(QString::fromStdString(adapter->path()), name));
    ASSERT_TRUE(QTest::qWaitFor([&] { return panel.serial.isOpen(); }, kWaitMs));
    EXPECT_LT(back.elapsed(), 1000);
    panel.click(control::kPowerOn);
    EXPECT_EQ(adapter->read(4), "C00\r");
    EXPECT_EQ(warnings.seen().size(), 1U);
}

struct HostileServerTest : ::testing::Test {
    void open(const Rfc2217Server& server) {
        network = std::make_unique<NetworkDevice>(
            std::get<NetworkAddress>(parseDevice(server.address())), outcome);
        network->open(LineSettings{19200, Parity::None, 8, StopBits::One});
    }
    DeviceOutcome outcome;
    std::unique_ptr<NetworkDevice> network;
};

TEST_F(HostileServerTest, aFloodBeforeTheAnswersFailsTheOpen) {
    Rfc2217Server server(Rfc2217Server::Behaviour::FloodsBeforeAnswering);
    ASSERT_TRUE(server.listening());
    open(server);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !outcome.failed.empty(); }, kWaitMs));
    EXPECT_NE(outcome.failed.find("before answering the line settings"), std::string::npos)
        << outcome.failed;
}

TEST_F(HostileServerTest, aServerThatRefusesBinaryModeFailsTheOpen) {
    Rfc2217Server server(Rfc2217Server::Behaviour::RefusesBinary);
    open(server);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !outcome.failed.empty(); }, kWaitMs));
    EXPECT_NE(outcome.failed.find("refuses Telnet binary"), std::string::npos) << outcome.failed;
}

TEST_F(HostileServerTest, aSubnegotiationNeverEndedDropsTheConnection) {
    Rfc2217Server server(Rfc2217Server::Behaviour::Answers);
    open(server);
    ASSERT_TRUE(QTest::qWaitFor([&] { return outcome.opened; }, kWaitMs));
    server.send(QByteArray("\xff\xfa\x2c\x6a\x01", 5));  // IAC SB COM-PORT NOTIFY-LINESTATE ...
    ASSERT_TRUE(QTest::qWaitFor([&] { return !outcome.lost.empty(); }, kWaitMs));
    EXPECT_NE(outcome.lost.find("did not end it"), std::string::npos) << outcome.lost;
    EXPECT_FALSE(network->isOpen());
}

TEST_F(HostileServerTest, aServerThatDoesNotReadIsDropped) {
    Rfc2217Server server(Rfc2217Server::Behaviour::Answers);
    open(server);
    ASSERT_TRUE(QTest::qWaitFor([&] { return outcome.opened; }, kWaitMs));
    server.client()->setReadBufferSize(1);
    server.client()->setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, 4096);
    // Option changes to answer (suppressed go-ahead), while the server reads nothing of them.
    const QByteArray toggles = QByteArray("\xff\xfb\x03\xff\xfc\x03", 6).repeated(64 * 1024);
    for (int round = 0; round < 64 && outcome.lost.empty(); ++round) {
        server.send(toggles);
        QTest::qWait(20);
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return !outcome.lost.empty(); }, kWaitMs));
    EXPECT_NE(outcome.lost.find("does not read"), std::string::npos) << outcome.lost;
}

/// A server that accepts and never answers: the window is up at once, a click is refused once,
/// and END ends at once. (The failure it ends in is NetworkDeviceTest's.)
TEST(SilentServerTest, holdsNothingUp) {
    Rfc2217Server silent(Rfc2217Server::Behaviour::Silent);
    WarningCatcher warnings;
    QElapsedTimer started;
    started.start();
    QtPanel panel({silent.address(), std::nullopt});
    panel.controlPanel.load();
    panel.window.show();
    EXPECT_LT(started.elapsed(), 500);
    ASSERT_EQ(panel.serial.link(), SerialControl::Link::Connecting);
    panel.controlPanel.click(control::kPowerOn);
    panel.controlPanel.click(control::kPowerOn);
    ASSERT_TRUE(warnings.waitFor(1));
    EXPECT_NE(warnings.seen()[0].text.find("still connecting"), std::string::npos);

    QElapsedTimer ending;
    ending.start();
    panel.controlPanel.click(control::kEndButton);
    EXPECT_TRUE(panel.controlPanel.ended());
    EXPECT_EQ(panel.serial.link(), SerialControl::Link::Closed);
    EXPECT_LT(ending.elapsed(), 100);
    EXPECT_EQ(warnings.seen().size(), 1U);
}

}  // namespace
}  // namespace qm5::test
