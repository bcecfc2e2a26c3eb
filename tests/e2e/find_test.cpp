// SPDX-License-Identifier: MIT
// --find from the shell over pseudo-terminals: a projector on its own line, one held by a running
// panel, a silent line, lines held by other programs (through the serial port, merely open, or by
// a lock file of the usual form alone), the operator's own terminal, and a second name of the
// first.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <termios.h>
#include <unistd.h>
#include <csignal>
#include <cstring>

#include "link/projector_search.h"
#include "projector_process.h"
#include "pty/pty_pair.h"
#include "socket/socket_path.h"
#include "support/real_panel.h"

namespace qm5::test {
namespace {

using namespace std::string_literals;

struct FindTest : RealPanelTest {
    /// Runs --find while this process's event loop serves the panel.
    int find(const std::vector<std::string>& devices) {
        QStringList arguments{QStringLiteral("--find"), QStringLiteral("--log"), logFile};
        for (const std::string& device : devices) arguments << QString::fromStdString(device);
        QProcess shell;
        shell.start(QStringLiteral(QM5_CONTROL_BINARY), arguments);
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return shell.state() == QProcess::NotRunning; }, kWaitMs));
        out = shell.readAllStandardOutput().toStdString();
        err = shell.readAllStandardError().toStdString();
        return shell.exitCode();
    }

    /// The lock file of the usual form that a serial port takes.
    static QString lockFileOf(const PtyPair& line) {
        return QStringLiteral("/var/lock/LCK..") +
               QString::fromStdString(line.path()).mid(5).replace(u'/', u'_');
    }

    std::string log() const {
        QFile file(logFile);
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
    }

    const QTemporaryDir folder;
    const QString logFile = folder.filePath(QStringLiteral("traffic.log"));
    std::string out;
    std::string err;
};

TEST_F(FindTest, namesEachProjectorOnceAndTakesNoDeviceFromItsHolder) {
    const ProjectorProcess direct;
    const ProjectorProcess held;
    PtyPair silent;
    PtyPair busy;
    QSerialPort holder;
    holder.setPortName(QString::fromStdString(busy.path()));
    ASSERT_TRUE(holder.open(QIODevice::ReadWrite));
    // A terminal program's way: no lock file, no exclusive access.
    PtyPair plain;
    QFile plainHolder(QString::fromStdString(plain.path()));
    ASSERT_TRUE(plainHolder.open(QIODevice::ReadWrite | QIODevice::Unbuffered));
    PtyPair locked;
    QFile lock(lockFileOf(locked));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(QCoreApplication::applicationPid()).rightJustified(10) + '\n');
    lock.close();
    const std::string alias = folder.filePath(QStringLiteral("usb-Projector-if00")).toStdString();
    QFile::link(QString::fromStdString(direct.path()), QString::fromStdString(alias));
    // A panel killed with the line open left its socket file: the line is asked itself.
    const QString staleSocket = panelSocketPath(direct.path());
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray socketPath = QFile::encodeName(staleSocket);
    std::memcpy(address.sun_path, socketPath.constData(), socketPath.size());
    const int stale = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(::bind(stale, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(stale);
    start({held.path(), std::nullopt});

    EXPECT_EQ(find({direct.path(), silent.path(), held.path(), busy.path(), plain.path(),
                    locked.path(), "/dev/tty", alias}),
              0)
        << err;
    EXPECT_EQ(out, direct.path() + "\tStand by\n" + held.path() + "\tStand by\n");
    std::string refused;
    for (const std::string& taken : {busy.path(), plain.path(), locked.path(), "/dev/tty"s}) {
        refused += "qm5-control: " + taken +
                   ": in use by another program (or another copy of this one).\n";
    }
    EXPECT_EQ(err, refused);
    for (PtyPair* taken : {&busy, &plain, &locked}) EXPECT_EQ(taken->readAvailable(), "");
    EXPECT_TRUE(lock.exists());
    lock.remove();
    QFile::remove(staleSocket);
    EXPECT_EQ(silent.readAvailable(), "CR0\r");
    // The queries are real traffic; the panel logs its own.
    EXPECT_NE(log().find("FIND " + silent.path() + " TX \" C R 0 CR \""), std::string::npos);
    EXPECT_NE(log().find("FIND " + direct.path() + " RX \" 8 0 CR \""), std::string::npos);

    EXPECT_EQ(find({silent.path()}), 1);
    EXPECT_EQ(out, "");
}

/// Ended by a signal while it waits for replies, the search still closes, sets back and unlocks
/// the lines it opened.
TEST_F(FindTest, aSignalMidSearchLeavesTheLineAsItWas) {
    PtyPair silent;
    const termios before = silent.lineSettings();
    QProcess shell;
    shell.start(QStringLiteral(QM5_CONTROL_BINARY),
                {QStringLiteral("--find"), QString::fromStdString(silent.path())});
    // Open and locked, so asked and waiting for the reply.
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(lockFileOf(silent)); }, kWaitMs));
    shell.terminate();
    ASSERT_TRUE(QTest::qWaitFor([&] { return shell.state() == QProcess::NotRunning; }, kWaitMs));
    EXPECT_EQ(shell.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(shell.exitCode(), 128 + SIGTERM);
    const termios after = silent.lineSettings();
    EXPECT_EQ(::cfgetospeed(&after), ::cfgetospeed(&before));
    EXPECT_FALSE(QFile::exists(lockFileOf(silent)));
}

/// More free lines than descriptors allow at once are all asked, none called busy.
TEST_F(FindTest, asksALongListInTurnsWithinTheDescriptorLimit) {
    std::vector<PtyPair> lines(48);
    QStringList arguments{QStringLiteral("--find")};
    for (const PtyPair& line : lines) arguments << QString::fromStdString(line.path());
    QProcess shell;
    // Room for a few dozen beside what the program inherits from this one.
    const rlim_t room = QDir(QStringLiteral("/proc/self/fd")).count() + 64;
    const rlimit few{room, room};
    shell.setChildProcessModifier([few] { ::setrlimit(RLIMIT_NOFILE, &few); });
    shell.start(QStringLiteral(QM5_CONTROL_BINARY), arguments);
    ASSERT_TRUE(QTest::qWaitFor([&] { return shell.state() == QProcess::NotRunning; }, kWaitMs));
    // None called busy: the one word is that none answered.
    EXPECT_EQ(shell.readAllStandardError().toStdString(), "qm5-control: no projector answered.\n");
    for (PtyPair& line : lines) EXPECT_EQ(line.readAvailable(), kSearchQuery) << line.path();
}

/// In the panel's own dialog, the device it holds is asked through itself, without a deadlock.
TEST_F(FindTest, theDialogsFindMarksTheProjectorsAndChoosesTheFirst) {
    const ProjectorProcess held;
    PtyPair silent;
    start({held.path(), std::nullopt});
    // The panel listens from the event loop, once started.
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return QFile::exists(panelSocketPath(held.path())); }, kWaitMs));
    panel->controlPanel.chooseDevice(1);
    QWidget* dialog = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QStringLiteral("DeviceDialog")) dialog = window;
    }
    ASSERT_NE(dialog, nullptr);
    auto* devices = dialog->findChild<QComboBox*>(QStringLiteral("Device"));
    // The test's lines only, not the machine's own ports.
    devices->clear();
    for (const std::string& line : {silent.path(), held.path()}) {
        devices->addItem(QString::fromStdString(line), QString::fromStdString(line));
    }
    auto* find = dialog->findChild<QPushButton*>(QStringLiteral("Find"));
    find->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return find->isEnabled(); }, kWaitMs));
    EXPECT_EQ(devices->currentText().toStdString(), held.path() + "  (Stand by)");
    EXPECT_EQ(silent.readAvailable(), "CR0\r");
}

}  // namespace
}  // namespace qm5::test
