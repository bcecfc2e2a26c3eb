// SPDX-License-Identifier: MIT
// A script reaches the running panel: the frame goes out once, through the panel, and the
// operator sees it; a malformed request changes nothing.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QSerialPort>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

#include <array>
#include <filesystem>
#include <memory>

#include "control/qt_timer.h"
#include "pty/pty_pair.h"
#include "socket/script_server.h"
#include "socket/socket_path.h"
#include "support/real_panel.h"
#include "support/warning_catcher.h"

namespace qm5::test {
namespace {

/// `target` under a second name, as /dev/serial/by-id/... names an adapter.
QString linkTo(const std::string& target, const QTemporaryDir& folder) {
    const QString link = folder.filePath(QStringLiteral("usb-Projector-if00"));
    EXPECT_TRUE(QFile::link(QString::fromStdString(target), link));
    return link;
}

/// Whether `send` ends within the wait; the panel in this process goes on meanwhile.
bool ends(QProcess& send) {
    return QTest::qWaitFor([&] { return send.state() == QProcess::NotRunning; }, kWaitMs);
}

/// A script's request over the panel's socket, as --send makes it.
struct Asking {
    Asking(const std::string& device, const QByteArray& request) {
        socket.connectToServer(panelSocketPath(device));
        EXPECT_TRUE(socket.waitForConnected(kWaitMs));
        socket.write(request);
        socket.flush();
    }
    /// The whole answer, once the panel has let the script go.
    QByteArray answer() {
        QByteArray answer;
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                answer += socket.readAll();
                return socket.state() == QLocalSocket::UnconnectedState;
            },
            kWaitMs));
        return answer + socket.readAll();
    }

    QLocalSocket socket;
};

/// The panel holds the projector's line by a link to it.
struct ScriptTest : RealPanelTest {
    // The panel listens from its event loop.
    ScriptTest() {
        start({link.toStdString(), std::nullopt});
        // A script's blocking connect would not let the panel listen meanwhile.
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return QFileInfo::exists(panelSocketPath(projector.path())); }, kWaitMs));
    }

    QByteArray ask(const QByteArray& request) { return Asking(projector.path(), request).answer(); }
    /// Whether the projector is sent `frame` next, within the wait.
    bool projectorGets(const std::string& frame) {
        std::string sent;
        return QTest::qWaitFor(
                   [&] { return (sent += projector.readAvailable()).size() >= frame.size(); },
                   kWaitMs) &&
               sent == frame;
    }

    PtyPair projector;
    QTemporaryDir folder;
    QString link = linkTo(projector.path(), folder);
};

/// By the name the panel uses or by the device it names: one device, one panel.
TEST_F(ScriptTest, sendGoesThroughThePanelThatHasTheDeviceOpen) {
    // Whoever holds the line holds it under every name (a lock of the device, not of the name).
    QSerialPort target(QString::fromStdString(projector.path()));
    EXPECT_FALSE(target.open(QIODevice::ReadWrite));
    for (const QString& device : {link, QString::fromStdString(projector.path())}) {
        QProcess send;
        send.start(QStringLiteral(QM5_CONTROL_BINARY), {"--send", "status", "--com1", device});
        // The panel sends it from its event loop: waited for with events, not in a blocking read.
        ASSERT_TRUE(projectorGets("CR0\r"));
        EXPECT_EQ(panel->text(control::kTxdLine), QStringLiteral(" C R 0 CR "));
        projector.write("00\r");
        ASSERT_TRUE(ends(send));
        EXPECT_EQ(send.exitCode(), 0) << send.readAllStandardError().toStdString();
        EXPECT_EQ(send.readAllStandardOutput(), QByteArray(" 0 0 CR \n Power ON\n"));
        EXPECT_EQ(projector.readAvailable(), "");  // once, and the device never opened twice
    }
    QProcess raw;
    raw.start(QStringLiteral(QM5_CONTROL_BINARY), {"--send-raw", "CR0", "--json", "--com1", link});
    ASSERT_TRUE(projectorGets("CR0\r"));
    projector.write("80\r");
    ASSERT_TRUE(ends(raw));
    const QJsonObject answer = QJsonDocument::fromJson(raw.readAllStandardOutput()).object();
    EXPECT_EQ(answer.value("replyHex"), QStringLiteral("38 30 0D"));
    EXPECT_EQ(answer.value("status"), QStringLiteral("Stand by"));
    // The projector's refusal reaches the script through the panel as on its own line.
    QProcess refused;
    refused.start(QStringLiteral(QM5_CONTROL_BINARY), {"--send-raw", "C99", "--com1", link});
    ASSERT_TRUE(projectorGets("C99\r"));
    projector.write("\x15");
    ASSERT_TRUE(ends(refused));
    EXPECT_EQ(refused.exitCode(), 4) << refused.readAllStandardError().toStdString();
    EXPECT_TRUE(warnings.seen().empty());
}

TEST_F(ScriptTest, refusesAMalformedRequestOrOneWhileAButtonIsHeld) {
    for (const QByteArray& wrong :
         {QByteArray("HELLO\n"), QByteArray("SEND C99\n"), QByteArray(200, 'S'),
          QByteArray("SEND C00"), "SEND C00" + QByteArray(100, ' ') + "\n", QByteArray("RAW \n"),
          QByteArray("RAW C00\r\n"),
          QByteArray("RAW C\x01"
                     "00\n"),
          QByteArray("RAW C\xC3\xA9\n"), "RAW " + QByteArray(17, 'C') + "\n"}) {
        EXPECT_TRUE(ask(wrong).startsWith("ERR ")) << wrong.left(20).toStdString();
    }
    QTest::mousePress(panel->window.control(control::kVolumePlus), Qt::LeftButton);
    EXPECT_TRUE(ask("SEND C00\n").startsWith("ERR busy a button is held"));
    QTest::mouseRelease(panel->window.control(control::kVolumePlus), Qt::LeftButton);
    EXPECT_EQ(projector.readAvailable().find("C00"), std::string::npos);
    EXPECT_TRUE(warnings.seen().empty());
}

/// Each script gets the reply to its own frame: not a click's reply still on the RXD line, not
/// the reply to another script's frame.
TEST_F(ScriptTest, eachScriptGetsTheReplyToItsOwnFrame) {
    panel->click(control::kStatusQuery);
    ASSERT_TRUE(projectorGets("CR0\r"));
    projector.write("00\r");
    ASSERT_TRUE(panel->waitForText(control::kRxdLine, QStringLiteral(" 0 0 CR ")));
    Asking lampTime(projector.path(), "SEND l-time\n");
    Asking gone(projector.path(), "SEND C00\n");
    Asking mode(projector.path(), "SEND mode\n");
    ASSERT_TRUE(projectorGets("CR3\r"));  // one at a time: the next once this one is done
    gone.socket.abort();                  // a script ended while it waits sends nothing
    projector.write("0000\r");
    ASSERT_TRUE(projectorGets("CR1\r"));
    projector.write("1\r");
    EXPECT_TRUE(lampTime.answer().startsWith("RXD  0 0 0 0 CR \n"));
    EXPECT_TRUE(mode.answer().startsWith("RXD  1 CR \n"));
}

/// A raw frame goes out as every frame does, its text as it came, spaces and all.
TEST_F(ScriptTest, aRawFrameGoesOutAndShowsOnTheTxdLine) {
    Asking raw(projector.path(), "RAW  CR0" + QByteArray(12, 'X') + "\n");
    ASSERT_TRUE(projectorGets(" CR0" + std::string(12, 'X') + "\r"));
    EXPECT_TRUE(panel->text(control::kTxdLine).startsWith(QStringLiteral("   C R 0 X")));
    projector.write("\x15");
    EXPECT_EQ(raw.answer(), "RXD  ? \nHEX 15\nEND\n");
}

/// A script is answered as soon as its reply is whole, and a piece short of the end keeps it
/// waiting; the panel's RXD line and timeout mark go on as for a click.
TEST_F(ScriptTest, aScriptIsAnsweredAtTheEndOfItsReply) {
    Asking status(projector.path(), "SEND status\n");
    ASSERT_TRUE(projectorGets("CR0\r"));
    projector.write("00");
    ASSERT_TRUE(panel->waitForText(control::kRxdLine, QStringLiteral(" 0 0 ")));
    QTest::qWait(50);
    ASSERT_TRUE(panel->replyTimeout.enabled());
    EXPECT_EQ(status.socket.bytesAvailable(), 0);
    EXPECT_EQ(status.socket.state(), QLocalSocket::ConnectedState);
    projector.write("\r");
    EXPECT_EQ(status.answer(), "RXD  0 0 CR \nHEX 30 30 0D\nSTATUS  Power ON\nEND\n");
    EXPECT_TRUE(panel->replyTimeout.enabled());  // answered before the reply timeout
    ASSERT_TRUE(QTest::qWaitFor([&] { return !panel->replyTimeout.enabled(); }, kWaitMs));
    EXPECT_EQ(panel->text(control::kRxdLine), QStringLiteral(" 0 0 CR "));

    Asking silent(projector.path(), "SEND status\n");
    ASSERT_TRUE(projectorGets("CR0\r"));
    EXPECT_EQ(silent.answer(), "END\n");
    EXPECT_TRUE(panel->waitForText(control::kRxdLine, QString::fromLatin1(Exchange::kNoReplyMark)));
}

/// A script gone while its send raises a warning (the log cannot be written: its folder is gone)
/// is never answered, and the panel serves the next one.
TEST_F(ScriptTest, aScriptGoneWhileItsSendRaisesAWarningLeavesThePanelServing) {
    auto logFolder = std::make_unique<QTemporaryDir>();
    const QString log = logFolder->filePath(QStringLiteral("traffic.log"));
    panel->services.logTraffic(log);
    logFolder.reset();
    auto gone = std::make_unique<Asking>(projector.path(), "SEND C00\n");
    ASSERT_TRUE(projectorGets("C00\r"));
    gone.reset();
    ASSERT_TRUE(warnings.waitFor(1));
    EXPECT_NE(warnings.seen().front().text.find(log.toStdString()), std::string::npos);
    Asking next(projector.path(), "SEND C02\n");
    ASSERT_TRUE(projectorGets("C02\r"));
    EXPECT_EQ(next.answer(), "END\n");
}

/// Another user of the PC cannot stand in for the panel: a socket planted first under the name
/// the panel's socket once had in /tmp is never used; the panel's is in the user's own folder.
TEST(ScriptSocketTest, onlyTheSocketInTheUsersOwnRuntimeFolderIsUsed) {
    PtyPair projector;
    const QString device = QString::fromStdString(projector.path());
    const QByteArray hash = QCryptographicHash::hash(device.toUtf8(), QCryptographicHash::Sha256);
    const QString oldName = "qm5-control-" + QString::fromLatin1(hash.toHex().left(16));
    QLocalServer::removeServer(oldName);  // left by a panel of before, on a pty of that number
    QLocalServer planted;
    ASSERT_TRUE(planted.listen(oldName));

    // Without a panel, the script opens the line itself.
    QProcess send;
    send.start(QStringLiteral(QM5_CONTROL_BINARY), {"--send", "status", "--com1", device});
    ASSERT_TRUE(QTest::qWaitFor([&] { return projector.readAvailable() == "CR0\r"; }, kWaitMs));
    projector.write("00\r");
    ASSERT_TRUE(ends(send));
    EXPECT_EQ(send.exitCode(), 0) << send.readAllStandardError().toStdString();
    EXPECT_FALSE(planted.hasPendingConnections());

    const RealPanel panel{{projector.path(), std::nullopt}};
    QCoreApplication::processEvents();  // the panel listens from its event loop
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    EXPECT_TRUE(
        QFileInfo::exists(folder + "/" + QFileInfo(panelSocketPath(projector.path())).fileName()));
    constexpr QFile::Permissions kOthers = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                           QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    EXPECT_EQ(QFile::permissions(folder) & kOthers, QFile::Permissions());
}

/// A second panel on the same network device leaves the first its socket, takes it over when
/// the first stops, and listens again when its socket file is deleted.
TEST(ScriptSocketTest, aSecondPanelOnTheDeviceWaitsForTheSocket) {
    struct Target final : LineTarget, ScriptsUnreachable {
        std::optional<LineRefusal> busyFor() const override { return {}; }
        // Refused after counting, so that the next request is taken at once.
        std::optional<LineRefusal> sendAsButton(std::string_view) override {
            ++sent;
            return LineRefusal{Failure::Busy, "counted"};
        }
        std::optional<LineRefusal> sendRaw(std::string_view) override { return {}; }
        void onScriptsUnreachable(const QString& why) override { told = why; }
        int sent = 0;
        QString told;
    } first, second;
    const std::string device = "socket://127.0.0.1:9";
    const QString path = panelSocketPath(device);
    QtTimer timers[4];
    LineQueue firstLine(first, timers[0], timers[1]), secondLine(second, timers[2], timers[3]);
    ScriptServer firstServer(firstLine), secondServer(secondLine);
    secondServer.tellUnreachableTo(second);
    firstServer.serveScriptsFor(device);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(path); }, kWaitMs));
    secondServer.serveScriptsFor(device);
    ASSERT_TRUE(QTest::qWaitFor([&] { return second.told.contains(path); }, kWaitMs));
    // Asked until a script gets through: one may reach a server just closing, or no file.
    const auto servedBy = [&](const auto& target) {
        const int before = target.sent;
        std::unique_ptr<QLocalSocket> script;
        return QTest::qWaitFor(
            [&] {
                if (target.sent > before) return true;
                if (!script || script->state() == QLocalSocket::UnconnectedState) {
                    script = std::make_unique<QLocalSocket>();
                    script->connectToServer(path);
                    script->write("SEND C00\n");
                }
                return false;
            },
            kWaitMs);
    };
    EXPECT_TRUE(servedBy(first));
    firstServer.stopServing();
    EXPECT_TRUE(servedBy(second));
    ASSERT_TRUE(QFile::remove(path));
    EXPECT_TRUE(servedBy(second));
    EXPECT_EQ(first.sent, 1);
}

/// A panel's answer may come in pieces: the script reads it whole, and not without end.
TEST(ScriptSocketTest, aPanelsAnswerInPiecesIsReadWhole) {
    const QString device = QStringLiteral("/dev/qm5-held-by-a-panel");
    QLocalServer panel;
    QLocalServer::removeServer(panelSocketPath(device.toStdString()));
    ASSERT_TRUE(panel.listen(panelSocketPath(device.toStdString())));
    QProcess send;
    send.start(QStringLiteral(QM5_CONTROL_BINARY), {"--send", "status", "--com1", device});
    ASSERT_TRUE(QTest::qWaitFor([&] { return panel.hasPendingConnections(); }, kWaitMs));
    QLocalSocket* script = panel.nextPendingConnection();
    script->write("ERR");
    script->flush();
    QTest::qWait(200);
    script->write(" the panel is ending\n");
    ASSERT_TRUE(ends(send));
    EXPECT_TRUE(send.readAllStandardError().contains("did not send it: the panel is ending"));
}

/// A burst of idle connections leaves the socket serving: past the bound each is told at once
/// that the panel is busy; where the descriptors run out first, the server listens again.
TEST_F(ScriptTest, aBurstOfIdleConnectionsLeavesTheSocketServing) {
    const QString path = panelSocketPath(projector.path());
    constexpr int kMost = ScriptServer::kMostClients;
    constexpr int kBurst = kMost + 16;  // all in the listening queue
    rlimit usual{};
    ::getrlimit(RLIMIT_NOFILE, &usual);
    // Descriptors to spare beside those in use: enough for the bound, or fewer.
    for (const rlim_t spare : {rlim_t{kBurst + kMost + 8}, rlim_t{16}}) {
        {
            const auto inUse =
                std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {});
            const rlimit lowered{spare + static_cast<rlim_t>(inUse), usual.rlim_max};
            ::setrlimit(RLIMIT_NOFILE, &lowered);
            std::array<QLocalSocket, kBurst> burst;
            for (QLocalSocket& client : burst) client.connectToServer(path);
            int busy = 0;
            EXPECT_TRUE(QTest::qWaitFor(
                [&] {
                    for (QLocalSocket& client : burst)
                        busy += client.isOpen() &&
                                client.readAll().startsWith("ERR busy the panel is busy");
                    return spare < kMost ? !QFileInfo::exists(path) : busy == kBurst - kMost;
                },
                kWaitMs));
            ::setrlimit(RLIMIT_NOFILE, &usual);
        }
        // Once the panel has seen the burst go.
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return QFileInfo::exists(path) && ask("SEND C00\n") == "END\n"; }, kWaitMs));
    }
}

}  // namespace
}  // namespace qm5::test
