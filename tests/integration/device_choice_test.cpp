// SPDX-License-Identifier: MIT
// Choosing the device behind a port in the program itself, and remembering it between runs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

#include "core/controls.h"
#include "pty/pty_pair.h"
#include "support/device_dialog_answer.h"
#include "support/real_panel.h"
#include "support/scoped_env.h"
#include "support/warning_catcher.h"
#include "ui/device_dialog.h"

namespace qm5::test {
namespace {

TEST(QtDeviceMemoryTest, remembersADeviceForTheNextRunAndForgetsNothingElse) {
    const QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("qm5-control/qm5-control.ini"));
    const std::string device = "/dev/serial/by-id/usb-Prolific Ü 2303-if00";
    EXPECT_EQ(QtDeviceMemory(file).recall(1), std::nullopt);
    EXPECT_EQ(QtDeviceMemory(file).remember(1, device), std::nullopt);
    EXPECT_EQ(QtDeviceMemory(file).recall(1), device);
    EXPECT_EQ(QtDeviceMemory(file).recall(2), std::nullopt);
}

TEST(QtDeviceMemoryTest, aDamagedFileRemembersNothing) {
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("qm5-control.ini"));
    QFile damaged(path);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    constexpr char kGarbage[] = "\xff\xfe[devices\0\nCOM1";
    damaged.write(QByteArray(kGarbage, sizeof kGarbage - 1) + QByteArray(5000, '\x01'));
    damaged.close();
    EXPECT_EQ(QtDeviceMemory(path).recall(1), std::nullopt);
}

TEST(QtDeviceMemoryTest, saysWhenAChoiceCannotBeKept) {
    const QTemporaryDir folder;
    // A plain file where the settings folder would be: no one, root included, can write there.
    QFile blocker(folder.filePath(QStringLiteral("qm5-control")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QtDeviceMemory memory(folder.filePath(QStringLiteral("qm5-control/qm5-control.ini")));
    const auto failure = memory.remember(1, "/dev/ttyUSB0");
    ASSERT_TRUE(failure.has_value());
    EXPECT_NE(failure->find("cannot be written"), std::string::npos) << *failure;
    EXPECT_EQ(memory.recall(1), std::nullopt);
}

/// The real panel, offscreen, started with COM1 on the command line, its remembered devices in
/// a folder of the test's own.
struct DeviceChoiceTest : RealPanelTest {
    /// Opens the device menu from `control` by the keyboard (Shift+F10, or the menu key), and
    /// takes the entry for `port`.
    void chooseDeviceFor(int port, std::string_view control = control::kComButton,
                         bool menuKey = false) {
        QWidget* widget = panel->window.control(control);
        widget->setFocus();
        if (menuKey) {
            QTest::keyClick(widget, Qt::Key_Menu);
        } else {
            QTest::keyClick(widget, Qt::Key_F10, Qt::ShiftModifier);
        }
        auto* menu = panel->window.findChild<QMenu*>(QStringLiteral("DeviceMenu"));
        ASSERT_NE(menu, nullptr);
        ASSERT_EQ(menu->actions().size(), 2);
        EXPECT_EQ(menu->actions()[0]->text(), QStringLiteral("COM1 device…"));
        EXPECT_EQ(menu->actions()[1]->text(), QStringLiteral("COM2 device…"));
        menu->actions()[port - 1]->trigger();
        menu->close();
        QTest::qWait(20);
    }
    void powerOn() { panel->click(control::kPowerOn); }

    QTemporaryDir configuration;
    ScopedEnv configurationHome{"XDG_CONFIG_HOME", qPrintable(configuration.path())};
    ScopedEnv noCom1{"QM5_COM1", nullptr};
    ScopedEnv noCom2{"QM5_COM2", nullptr};
    PtyPair given;
    PtyPair adapter;
};

TEST_F(DeviceChoiceTest, okAppliesAtOnceAndTheNextStartUsesIt) {
    start({given.path(), std::nullopt});
    DeviceDialogAnswer answer(QString::fromStdString(adapter.path()));
    chooseDeviceFor(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return answer.answered; }, kWaitMs));
    EXPECT_EQ(answer.title, QStringLiteral("COM1 device"));
    EXPECT_EQ(answer.listed.value(0), QString::fromStdString(given.path()));
    EXPECT_FALSE(answer.okWhenEmpty);
    for (const char* form : {"/dev/", "rfc2217://HOST:PORT", "socket://HOST:PORT"}) {
        EXPECT_TRUE(answer.placeholder.contains(QLatin1String(form))) << form;
    }
    EXPECT_TRUE(given.farEndClosed());
    powerOn();
    EXPECT_EQ(adapter.read(4), "C00\r");

    // Quit, start again with nothing given: the chosen device is opened.
    panel.reset();
    start();
    ASSERT_TRUE(panel->serial.isOpen());
    powerOn();
    EXPECT_EQ(adapter.read(4), "C00\r");
    EXPECT_TRUE(warnings.seen().empty()) << warnings.seen()[0].text;
}

TEST_F(DeviceChoiceTest, cancelLeavesAllAsItWas) {
    start({given.path(), std::nullopt});
    DeviceDialogAnswer answer(std::nullopt);
    chooseDeviceFor(1, control::kCom1Option, true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return answer.answered; }, kWaitMs));
    powerOn();
    EXPECT_EQ(given.read(4), "C00\r");
    EXPECT_EQ(panel->devices.deviceFor(1), given.path());
    EXPECT_FALSE(QFile::exists(panel->memory.file()));
}

TEST_F(DeviceChoiceTest, theOtherPortIsOnlyRememberedUntilItIsChosen) {
    start({given.path(), std::nullopt});
    panel->window.control(control::kComButton)->setFocus();
    QTest::keyClick(panel->window.control(control::kComButton),
                    Qt::Key_Space);  // shows the options
    DeviceDialogAnswer answer(QString::fromStdString(adapter.path()));
    chooseDeviceFor(2, control::kCom2Option);
    ASSERT_TRUE(QTest::qWaitFor([&] { return answer.answered; }, kWaitMs));
    EXPECT_EQ(answer.title, QStringLiteral("COM2 device"));
    powerOn();
    EXPECT_EQ(given.read(4), "C00\r");

    panel->click(control::kCom2Option);
    powerOn();
    EXPECT_EQ(adapter.read(4), "C00\r");
}

/// Refused before any open is tried: the dialog stays, with what was typed and why, and shows
/// its whole placeholder.
TEST_F(DeviceChoiceTest, anEntryRefusedBeforeAnyOpenKeepsTheDialogTheTextAndTheReason) {
    start({given.path(), std::nullopt});
    for (const QString& refused :
         {QStringLiteral("projector:4001"), QStringLiteral("telnet://p:23")}) {
        DeviceDialogAnswer answer(refused);
        chooseDeviceFor(1);
        ASSERT_TRUE(QTest::qWaitFor([&] { return answer.answered; }, kWaitMs));
        auto* dialog = panel->window.findChild<DeviceDialog*>(QStringLiteral("DeviceDialog"));
        ASSERT_TRUE(dialog != nullptr && dialog->isVisible()) << refused.toStdString();
        const QLineEdit* entry = dialog->findChild<QComboBox*>()->lineEdit();
        EXPECT_EQ(entry->text(), refused);
        EXPECT_GE(entry->width(), entry->fontMetrics().horizontalAdvance(answer.placeholder));
        EXPECT_TRUE(
            dialog->findChild<QLabel*>(QStringLiteral("Refusal"))->text().contains(refused));
        dialog->close();
        QTest::qWait(20);
    }
    EXPECT_TRUE(warnings.seen().empty());
    EXPECT_TRUE(panel->serial.isOpen());
}

TEST_F(DeviceChoiceTest, aPathThatIsNoSerialDeviceIsReportedAndAnotherCanBeChosen) {
    start({given.path(), std::nullopt});
    const QTemporaryDir folder;
    for (const QString& wrong : {folder.path(), folder.filePath(QStringLiteral("<b>no</b> such")),
                                 QString::fromLatin1(QM5_SOURCE_FILE)}) {
        DeviceDialogAnswer answer(wrong);
        const std::size_t told = warnings.seen().size();
        chooseDeviceFor(1);
        ASSERT_TRUE(warnings.waitFor(told + 1));
        const std::string text = warnings.seen().back().text;
        EXPECT_NE(text.find(wrong.toStdString()), std::string::npos) << text;
        EXPECT_NE(text.find("Right-click COM to choose the device for COM1."), std::string::npos)
            << text;
        EXPECT_NE(text.find("COM1 keeps " + given.path() + "."), std::string::npos) << text;
        EXPECT_EQ(warnings.seen().back().format, Qt::PlainText);
        EXPECT_TRUE(panel->serial.isOpen());
    }
    DeviceDialogAnswer answer(QString::fromStdString(adapter.path()));
    chooseDeviceFor(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return answer.answered; }, kWaitMs));
    powerOn();
    EXPECT_EQ(adapter.read(4), "C00\r");
    EXPECT_EQ(warnings.seen().size(), 3U);
}

}  // namespace
}  // namespace qm5::test
