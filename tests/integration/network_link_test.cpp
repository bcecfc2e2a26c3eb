// SPDX-License-Identifier: MIT
// The panel behind a real serial device server (ser2net, RFC 2217) on the loopback address,
// and the failures of opening a device on the network.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QTcpServer>
#include <QTest>

#include <chrono>
#include <functional>
#include <memory>
#include <thread>

#include "core/controls.h"
#include "core/monitor_text.h"
#include "devices/network_device.h"
#include "pty/pty_pair.h"
#include "support/device_outcome.h"
#include "support/real_panel.h"
#include "support/ser2net_process.h"
#include "support/warning_catcher.h"

namespace qm5::test {
namespace {

/// The real panel, offscreen, with COM1 on ser2net in front of a pseudo-terminal set up at
/// 9600 baud; the test holds the far end.
struct NetworkLinkTest : RealPanelTest {
    NetworkLinkTest() { start({ser2net.address(), std::nullopt}); }

    PtyPair line;
    Ser2netProcess ser2net{line.path(), "9600n81"};
};

TEST_F(NetworkLinkTest, setsTheLineSendsFramesAndShowsRepliesAsALocalLineDoes) {
    ASSERT_TRUE(panel->serial.isOpen()) << (warnings.seen().empty() ? "" : warnings.seen()[0].text);
    const termios settings = line.lineSettings();
    EXPECT_EQ(::cfgetospeed(&settings), B19200);
    EXPECT_EQ(settings.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(settings.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0U);

    panel->click(control::kPowerOn);
    EXPECT_EQ(line.read(4), "C00\r");
    const std::string reply = std::string("\x06\xff", 2) + "0\r";
    line.write(reply);
    const QString expected = QString::fromStdString(monitorText(reply));
    EXPECT_TRUE(panel->waitForText(control::kRxdLine, expected))
        << panel->text(control::kRxdLine).toStdString();
    EXPECT_TRUE(warnings.seen().empty());
}

TEST_F(NetworkLinkTest, aHeldButtonRepeatsAtItsInterval) {
    QTest::mousePress(panel->window.control(control::kZoomPlus),
                      Qt::LeftButton);  // Zoom +, every 50 ms
    QTest::qWait(1000);
    QTest::mouseRelease(panel->window.control(control::kZoomPlus), Qt::LeftButton);
    const std::string sent = line.read(4, 500) + line.readAvailable();
    const std::size_t frames = sent.size() / 4;
    std::string expected;
    for (std::size_t i = 0; i < frames; ++i) expected += "C47\r";
    EXPECT_EQ(sent, expected);
    EXPECT_GE(frames, 17U);
    EXPECT_LE(frames, 23U);
}

TEST_F(NetworkLinkTest, aServerThatGoesAwayIsReportedOnceAndReconnectedByItself) {
    ser2net.stop();
    ASSERT_TRUE(warnings.waitFor(1));
    EXPECT_NE(warnings.seen()[0].text.find("closed the connection"), std::string::npos)
        << warnings.seen()[0].text;
    EXPECT_NE(warnings.seen()[0].text.find("reconnects by itself"), std::string::npos);
    EXPECT_FALSE(panel->serial.isOpen());
    panel->click(control::kPowerOn);  // the operator tries anyway
    ASSERT_TRUE(warnings.waitFor(2));
    EXPECT_NE(warnings.seen()[1].text.find("reconnects by itself"), std::string::npos);

    ser2net.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return panel->serial.isOpen(); }, kWaitMs));
    panel->click(control::kPowerOn);
    EXPECT_EQ(line.read(4), "C00\r");
    EXPECT_EQ(warnings.seen().size(), 2U);
}

/// Opens a network device alone and returns why it failed, or "opened".
/// `then` runs on the device once it has opened.
std::string openFailure(const std::string& device, NetworkDevice::HostLookup lookup = {},
                        const std::function<void(NetworkDevice&, DeviceOutcome&)>& then = {}) {
    DeviceOutcome outcome;
    NetworkDevice network(std::get<NetworkAddress>(parseDevice(device)), outcome,
                          std::move(lookup));
    EXPECT_FALSE(network.open(LineSettings{19200, Parity::None, 8, StopBits::One}));
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return outcome.opened || !outcome.failed.empty(); }, kWaitMs));
    if (outcome.opened && then) then(network, outcome);
    return outcome.opened ? "opened" : outcome.failed;
}

TEST(NetworkDeviceTest, saysWhichServerAndWhyWhenItCannotOpen) {
    const auto nobody = [](const QString&) { return QList<QHostAddress>{}; };
    EXPECT_EQ(openFailure("rfc2217://projector.example:4001", nobody),
              "projector.example:4001 is no known host.");

    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost, 0));
    const int port = closed.serverPort();
    closed.close();
    EXPECT_EQ(openFailure("socket://127.0.0.1:" + std::to_string(port)),
              "127.0.0.1:" + std::to_string(port) +
                  " refused the connection (no serial device server listens there).");

    // Connected, but the server never answers the line settings.
    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHostIPv6, 0));
    const auto started = std::chrono::steady_clock::now();
    const std::string silence =
        openFailure("rfc2217://[::1]:" + std::to_string(silent.serverPort()));
    EXPECT_NE(silence.find("did not answer the line settings"), std::string::npos) << silence;
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(3500));
}

TEST(NetworkDeviceTest, aServerThatRefusesTheOptionFailsTheOpen) {
    // The server runs on a thread of its own: the open waits on this one.
    const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&local), sizeof local), 0);
    ASSERT_EQ(::listen(listener, 1), 0);
    socklen_t length = sizeof local;
    ::getsockname(listener, reinterpret_cast<sockaddr*>(&local), &length);
    std::thread server([listener] {
        const int client = ::accept(listener, nullptr, nullptr);
        const char dont[] = {'\xff', '\xfe', 44};  // IAC DONT COM-PORT-OPTION
        [[maybe_unused]] const ssize_t sent = ::write(client, dont, sizeof dont);
        char sink[256];
        while (::read(client, sink, sizeof sink) > 0) {
        }
        ::close(client);
    });
    const std::string refused =
        openFailure("rfc2217://127.0.0.1:" + std::to_string(ntohs(local.sin_port)));
    EXPECT_NE(refused.find("refuses the COM Port Control Option"), std::string::npos) << refused;
    server.join();
    ::close(listener);
}

/// A frame sent after the server hung up, before or after the loss is told, is never sent.
TEST(NetworkDeviceTest, aWriteAfterTheServerHungUpFails) {
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
    EXPECT_EQ(openFailure("socket://127.0.0.1:" + std::to_string(server.serverPort()), {},
                          [&](NetworkDevice& network, DeviceOutcome& outcome) {
                              ASSERT_TRUE(server.hasPendingConnections());
                              server.nextPendingConnection()->close();
                              ASSERT_TRUE(
                                  QTest::qWaitFor([&] { return !outcome.lost.empty(); }, kWaitMs));
                              // Gone, not failed: the loss is told once, not warned again.
                              try {
                                  network.write("C00\r");
                                  ADD_FAILURE() << "written";
                              } catch (const DeviceFailure& failure) {
                                  EXPECT_TRUE(failure.gone);
                              }
                          }),
              "opened");
}

}  // namespace
}  // namespace qm5::test
