// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "core/controls.h"
#include "devices/serial_port_device.h"
#include "support/fake_device_memory.h"
#include "support/named_pty.h"
#include "support/real_panel.h"
#include "support/scoped_env.h"
#include "support/warning_catcher.h"

namespace qm5::test {
namespace {

/// The real panel, offscreen, with pseudo-terminals as COM1 and COM2 whose far ends the test
/// holds.
struct SerialLinkTest : RealPanelTest {
    SerialLinkTest() { start(); }

    QTemporaryDir names;
    std::unique_ptr<NamedPty> com1 = std::make_unique<NamedPty>(names, "com1");
    std::unique_ptr<NamedPty> com2 = std::make_unique<NamedPty>(names, "com2");
    ScopedEnv com1Name{"QM5_COM1", com1->name().c_str()};
    ScopedEnv com2Name{"QM5_COM2", com2->name().c_str()};
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
    EXPECT_TRUE(panel->waitForText(control::kRxdLine, " ACK 0 0 CR "))
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
    const std::string gone = com2->name();
    com2.reset();
    panel->click(control::kComButton);
    panel->click(control::kCom2Option);
    ASSERT_TRUE(warnings.waitFor(1));
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

/// Holds back a serial port's own report of its loss until the held button's repeat has tried
/// to send: the hang-up that lands between the port's close and its report, every time.
struct RepeatBeforeLossReport : QObject {
    explicit RepeatBeforeLossReport(const Timer& repeat) : repeat(repeat) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MetaCall && qobject_cast<SerialPortDevice*>(watched)) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return !repeat.enabled(); }, kWaitMs));
        }
        return false;
    }
    const Timer& repeat;
};

TEST_F(SerialLinkTest, aFarEndThatHangsUpDuringAHoldIsReportedOnceAndCanBeReplaced) {
    const RepeatBeforeLossReport race(panel->repeatTimer);
    QTest::mousePress(panel->window.control(control::kZoomPlus), Qt::LeftButton);  // Zoom +, 50 ms
    std::string sent;
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return (sent += com1->readAvailable()).size() >= 8; }, kWaitMs));
    EXPECT_EQ(sent.substr(0, 8), "C47\rC47\r");
    com1->unplug();
    ASSERT_TRUE(warnings.waitFor(1));
    QTest::qWait(300);  // a stream of read errors would report again meanwhile
    EXPECT_EQ(warnings.seen().size(), 1U) << warnings.seen()[0].text;
    EXPECT_NE(warnings.seen()[0].text.find("gone away"), std::string::npos)
        << warnings.seen()[0].text;
    EXPECT_FALSE(panel->serial.isOpen());
    EXPECT_FALSE(panel->repeatTimer.enabled());
    QTest::mouseRelease(panel->window.control(control::kZoomPlus), Qt::LeftButton);

    // The adapter comes back under another name, and the operator names it.
    com1 = std::make_unique<NamedPty>(names, "com1-again");
    panel->devices.choose(1, com1->name());
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
    EXPECT_TRUE(panel->waitForText(control::kRxdLine, expected))
        << panel->text(control::kRxdLine).toStdString();
    EXPECT_EQ(panel->text(control::kStatusLine), QString());
    EXPECT_TRUE(panel->waitForText(control::kRxdLine, QString()));

    panel->click(control::kStatusQuery);
    com1->write("00\r");
    EXPECT_TRUE(panel->waitForText(control::kStatusLine, QStringLiteral(" Power ON")));
    EXPECT_TRUE(warnings.seen().empty());
}

/// Start-up on a port that cannot be had: the window shows, the operator is told once, and the
/// port can be chosen once it is there.
struct StartupFaultTest : RealPanelTest {
    void startOn(const std::string& com1) {
        start({com1, std::nullopt}, RealPanel::Start::LoadOnly);
    }
    void chooseCom1() {
        panel->click(control::kComButton);
        panel->click(control::kCom1Option);
    }

    QTemporaryDir names;
    NamedPty com1{names, "com1"};
};

TEST_F(StartupFaultTest, aMissingCom1IsReportedAndCanBeChosenOnceItIsThere) {
    const QString adapter = names.filePath(QStringLiteral("ttyUSB0"));
    startOn(adapter.toStdString());
    ASSERT_TRUE(warnings.waitFor(1));
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
    FakeDeviceMemory nothingRemembered;
    const PortDevices devices(nothingRemembered, {com1.name(), std::nullopt});
    SystemDeviceMaker deviceMaker;
    auto other = std::make_unique<SerialControl>(devices, deviceMaker);
    other->setOpen(true);
    startOn(com1.name());
    ASSERT_TRUE(warnings.waitFor(1));
    EXPECT_NE(warnings.seen()[0].text.find("in use"), std::string::npos) << warnings.seen()[0].text;
    EXPECT_FALSE(panel->serial.isOpen());

    other.reset();
    chooseCom1();
    panel->click(control::kPowerOn);
    EXPECT_EQ(com1.read(4), "C00\r");
}

}  // namespace
}  // namespace qm5::test
