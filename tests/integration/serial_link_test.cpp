// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <memory>

#include "core/controls.h"
#include "pty/pty_pair.h"
#include "support/fake_device_memory.h"
#include "support/real_panel.h"
#include "support/warning_catcher.h"

namespace qm5::test {
namespace {

/// The real panel, offscreen, with pseudo-terminals as COM1 and COM2 whose far ends the test
/// holds.
struct SerialLinkTest : ::testing::Test {
    SerialLinkTest() {
        ::setenv("QM5_COM1", com1->path().c_str(), 1);
        ::setenv("QM5_COM2", com2->path().c_str(), 1);
        panel = std::make_unique<RealPanel>();
    }
    ~SerialLinkTest() override {
        ::unsetenv("QM5_COM1");
        ::unsetenv("QM5_COM2");
    }

    bool waitForWarnings(std::size_t count) {
        return QTest::qWaitFor([&] { return warnings.seen().size() >= count; }, kWaitMs);
    }

    std::unique_ptr<PtyPair> com1 = std::make_unique<PtyPair>();
    std::unique_ptr<PtyPair> com2 = std::make_unique<PtyPair>();
    WarningCatcher warnings;
    std::unique_ptr<RealPanel> panel;
};

TEST_F(SerialLinkTest, opensCom1At19200N81) {
    ASSERT_TRUE(panel->serial.isOpen());
    const termios line = com1->lineSettings();
    EXPECT_EQ(::cfgetospeed(&line), B19200);
    EXPECT_EQ(line.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(line.c_cflag & (PARENB | CSTOPB), 0U);
}

TEST_F(SerialLinkTest, sendsEachFrameIntactAndShowsWhatComesBack) {
    panel->click(control::kPowerOn);
    panel->click(control::kStatusQuery);
    EXPECT_EQ(com1->read(8), "C00\rCR0\r");

    com1->write(std::string("\x06") + "00\r");
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return panel->text(control::kRxdLine) == " ACK 0 0 CR "; }, kWaitMs))
        << panel->text(control::kRxdLine).toStdString();
}

TEST_F(SerialLinkTest, aSecondCopyCannotOpenAPortInUse) {
    SerialControl second(panel->devices, panel->deviceMaker);
    try {
        second.setOpen(true);
        FAIL() << "opened a port in use";
    } catch (const SerialError& error) {
        EXPECT_NE(std::string(error.what()).find("in use"), std::string::npos) << error.what();
    }
}

TEST_F(SerialLinkTest, switchingToCom2MovesTheTraffic) {
    panel->click(control::kComButton);
    panel->click(control::kCom2Option);
    EXPECT_TRUE(com1->farEndClosed());
    panel->click(control::kPowerOff);
    EXPECT_EQ(com2->read(4), "C02\r");
    EXPECT_TRUE(panel->window.control(control::kPortSelector)->isHidden());
}

TEST_F(SerialLinkTest, aMissingCom2IsReportedInAWarningBoxAndTheProgramGoesOn) {
    const std::string gone = com2->path();
    com2.reset();
    panel->click(control::kComButton);
    panel->click(control::kCom2Option);
    ASSERT_TRUE(waitForWarnings(1));
    const WarningCatcher::Seen& box = warnings.seen()[0];
    EXPECT_NE(box.text.find("(" + gone + "): no such device"), std::string::npos) << box.text;
    EXPECT_EQ(box.title, "QM5 Control");
    EXPECT_EQ(box.icon, QMessageBox::Warning);
    EXPECT_EQ(box.buttons, QMessageBox::Ok);
    EXPECT_FALSE(panel->serial.isOpen());

    panel->click(control::kCom1Option);
    panel->click(control::kPowerOn);
    EXPECT_EQ(com1->read(4), "C00\r");
}

TEST_F(SerialLinkTest, aFarEndThatHangsUpDuringAHoldIsReportedOnceAndCanBeReplaced) {
    QTest::mousePress(panel->window.control(control::kZoomPlus), Qt::LeftButton);  // Zoom +, 50 ms
    std::string sent;
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return (sent += com1->readAvailable()).size() >= 8; }, kWaitMs));
    EXPECT_EQ(sent.substr(0, 8), "C47\rC47\r");
    com1->hangUp();
    ASSERT_TRUE(waitForWarnings(1));
    QTest::qWait(300);  // a stream of read errors would report again meanwhile
    EXPECT_EQ(warnings.seen().size(), 1U) << warnings.seen()[0].text;
    EXPECT_NE(warnings.seen()[0].text.find("gone away"), std::string::npos)
        << warnings.seen()[0].text;
    EXPECT_FALSE(panel->serial.isOpen());
    EXPECT_FALSE(panel->repeatTimer.enabled());
    QTest::mouseRelease(panel->window.control(control::kZoomPlus), Qt::LeftButton);

    // The adapter comes back under another name, and the operator names it.
    com1 = std::make_unique<PtyPair>();
    panel->devices.choose(1, com1->path());
    panel->click(control::kComButton);
    panel->click(control::kCom1Option);
    panel->click(control::kPowerOn);
    EXPECT_EQ(com1->read(4), "C00\r");
}

TEST_F(SerialLinkTest, showsNoiseAndBytesAbove127AsUnprintable) {
    panel->click(control::kStatusQuery);
    std::string noise = "\xff";
    for (int c = 0x80; c < 0x100; ++c) noise += static_cast<char>(c);
    com1->write(noise + "00\r");
    const QString expected =
        QStringLiteral(" ") + QStringLiteral("? ").repeated(129) + QStringLiteral("0 0 CR ");
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return panel->text(control::kRxdLine) == expected; }, kWaitMs))
        << panel->text(control::kRxdLine).toStdString();
    EXPECT_EQ(panel->text(control::kStatusLine), QString());
    EXPECT_TRUE(QTest::qWaitFor([&] { return panel->text(control::kRxdLine).isEmpty(); }, kWaitMs));

    panel->click(control::kStatusQuery);
    com1->write("00\r");
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return panel->text(control::kStatusLine) == QStringLiteral(" Power ON"); }, kWaitMs));
    EXPECT_TRUE(warnings.seen().empty());
}

/// Start-up on a port that cannot be had: the window shows, the operator is told once, and the
/// port can be chosen once it is there.
struct StartupFaultTest : ::testing::Test {
    void start() {
        panel = std::make_unique<RealPanel>(PortDevices::PerPort{}, RealPanel::Start::LoadOnly);
    }
    void chooseCom1() {
        panel->click(control::kComButton);
        panel->click(control::kCom1Option);
    }
    ~StartupFaultTest() override { ::unsetenv("QM5_COM1"); }

    PtyPair com1;
    WarningCatcher warnings;
    std::unique_ptr<RealPanel> panel;
};

TEST_F(StartupFaultTest, aMissingCom1IsReportedAndCanBeChosenOnceItIsThere) {
    const QTemporaryDir folder;
    const QString adapter = folder.filePath(QStringLiteral("ttyUSB0"));
    ::setenv("QM5_COM1", adapter.toLocal8Bit().constData(), 1);
    start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return warnings.seen().size() == 1; }, kWaitMs));
    EXPECT_NE(warnings.seen()[0].text.find("no such device"), std::string::npos);
    EXPECT_TRUE(panel->window.isVisible());
    EXPECT_FALSE(panel->serial.isOpen());

    // The adapter is plugged in.
    ASSERT_TRUE(QFile::link(QString::fromStdString(com1.path()), adapter));
    chooseCom1();
    EXPECT_TRUE(panel->serial.isOpen());
    panel->click(control::kPowerOn);
    EXPECT_EQ(com1.read(4), "C00\r");
    EXPECT_EQ(warnings.seen().size(), 1U);
}

TEST_F(StartupFaultTest, aCom1HeldByAnotherCopyIsReportedAndCanBeChosenOnceFree) {
    ::setenv("QM5_COM1", com1.path().c_str(), 1);
    FakeDeviceMemory nothingRemembered;
    const PortDevices devices(nothingRemembered);
    SystemDeviceMaker deviceMaker;
    auto other = std::make_unique<SerialControl>(devices, deviceMaker);
    other->setOpen(true);
    start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return warnings.seen().size() == 1; }, kWaitMs));
    EXPECT_NE(warnings.seen()[0].text.find("in use"), std::string::npos) << warnings.seen()[0].text;
    EXPECT_FALSE(panel->serial.isOpen());

    other.reset();
    chooseCom1();
    panel->click(control::kPowerOn);
    EXPECT_EQ(com1.read(4), "C00\r");
}

// Last: "END" asks the application to quit, after which no modal box of this process would wait.
using EndTest = SerialLinkTest;

TEST_F(EndTest, closesThePort) {
    panel->click(control::kEndButton);
    EXPECT_TRUE(panel->controlPanel.ended());
    EXPECT_TRUE(com1->farEndClosed());
}

}  // namespace
}  // namespace qm5::test
