// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>

#include <cstdlib>
#include <memory>

#include "app/form1.h"
#include "link/qt_serial_control.h"
#include "support/fake_form.h"
#include "pty/pty_pair.h"
#include "support/virtual_clock.h"

namespace qm5::test {
namespace {

constexpr int kWaitMs = 3000;

/// Form1 on a real serial port whose far end is a pseudo-terminal the test holds.
struct SerialLinkTest : ::testing::Test {
    SerialLinkTest() {
        ::setenv("QM5_COM1", com1->path().c_str(), 1);
        ::setenv("QM5_COM2", com2->path().c_str(), 1);
        form.Form_Load();
    }
    ~SerialLinkTest() override {
        ::unsetenv("QM5_COM1");
        ::unsetenv("QM5_COM2");
    }

    std::string rxd() const { return window.caption("Label12"); }

    std::unique_ptr<PtyPair> com1 = std::make_unique<PtyPair>();
    std::unique_ptr<PtyPair> com2 = std::make_unique<PtyPair>();
    VirtualClock clock;
    VirtualTimer& timer1 = clock.newTimer();
    VirtualTimer& timer2 = clock.newTimer();
    VirtualTimer& timer3 = clock.newTimer();
    VirtualTimer& timer4 = clock.newTimer();
    QtSerialControl port;
    FakeForm window;
    FormPlatform platform{timer1, timer2, timer3, timer4, port, window, window, window};
    Form1 form{platform};
};

TEST_F(SerialLinkTest, opensCom1At19200N81) {
    ASSERT_TRUE(port.PortOpen()) << (window.warnings().empty() ? "" : window.warnings()[0]);
    const termios line = com1->lineSettings();
    EXPECT_EQ(::cfgetospeed(&line), B19200);
    EXPECT_EQ(line.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(line.c_cflag & (PARENB | CSTOPB), 0U);
}

TEST_F(SerialLinkTest, sendsEachFrameIntactAndShowsWhatComesBack) {
    form.click("Command17");
    form.click("Command44");
    EXPECT_EQ(com1->read(8), "C00\rCR0\r");

    com1->write(std::string("\x06") + "00\r");
    EXPECT_TRUE(QTest::qWaitFor([&] { return rxd() == " ACK 0 0 CR "; }, kWaitMs)) << rxd();
}

TEST_F(SerialLinkTest, aSecondCopyCannotOpenAPortInUse) {
    QtSerialControl second;
    EXPECT_THROW(second.setPortOpen(true), SerialError);
    try {
        second.setPortOpen(true);
    } catch (const SerialError& error) {
        EXPECT_NE(std::string(error.what()).find("in use"), std::string::npos) << error.what();
    }
}

TEST_F(SerialLinkTest, switchingToCom2MovesTheTraffic) {
    form.click("Command33");
    form.click("Option2");
    EXPECT_TRUE(com1->farEndClosed());
    form.click("Command18");
    EXPECT_EQ(com2->read(4), "C02\r");
}

TEST_F(SerialLinkTest, aMissingCom2IsReportedAndTheProgramGoesOn) {
    ::setenv("QM5_COM2", "/dev/qm5-no-such-device", 1);
    form.click("Option2");
    ASSERT_EQ(window.warnings().size(), 1U);
    EXPECT_NE(window.warnings()[0].find("(/dev/qm5-no-such-device): no such device"),
              std::string::npos)
        << window.warnings()[0];
    EXPECT_FALSE(port.PortOpen());
    form.click("Option1");
    EXPECT_TRUE(port.PortOpen());
}

TEST_F(SerialLinkTest, aFarEndThatHangsUpIsReportedOnceAndThePortCanBeReopened) {
    form.mouseDown("Command15");
    com1->hangUp();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.warnings().empty(); }, kWaitMs));
    QTest::qWait(200);  // a stream of read errors would report again meanwhile
    EXPECT_EQ(window.warnings().size(), 1U) << window.warnings()[0];
    EXPECT_FALSE(port.PortOpen());
    EXPECT_FALSE(timer1.enabled());
    form.mouseUp("Command15");

    com1 = std::make_unique<PtyPair>();
    ::setenv("QM5_COM1", com1->path().c_str(), 1);
    form.click("Option1");
    form.click("Command17");
    EXPECT_EQ(com1->read(4), "C00\r");
}

TEST_F(SerialLinkTest, endClosesThePort) {
    form.click("Command16");
    EXPECT_TRUE(window.ended());
    EXPECT_TRUE(com1->farEndClosed());
}

}  // namespace
}  // namespace qm5::test

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
