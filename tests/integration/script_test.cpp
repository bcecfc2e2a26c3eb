// SPDX-License-Identifier: MIT
// A script reaches the running panel: the frame goes out once, through the panel, and the
// operator sees it; a malformed request changes nothing.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLocalSocket>
#include <QProcess>
#include <QTest>

#include "app/remote_control.h"
#include "pty/pty_pair.h"
#include "support/real_panel.h"
#include "support/warning_catcher.h"

namespace qm5::test {
namespace {

struct ScriptTest : RealPanelTest {
    // The panel listens from its event loop.
    ScriptTest() {
        start({projector.path(), std::nullopt});
        QCoreApplication::processEvents();
    }

    /// Asks the panel over its socket, as --send does, and returns the whole answer.
    QByteArray ask(const QByteArray& request) {
        QLocalSocket socket;
        socket.connectToServer(remoteName(projector.path()));
        EXPECT_TRUE(socket.waitForConnected(kWaitMs));
        socket.write(request);
        QByteArray answer;
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                answer += socket.readAll();
                return socket.state() == QLocalSocket::UnconnectedState;
            },
            kWaitMs));
        return answer + socket.readAll();
    }

    PtyPair projector;
};

TEST_F(ScriptTest, sendGoesThroughThePanelThatHasTheDeviceOpen) {
    QProcess send;
    send.start(QStringLiteral(QM5_CONTROL_BINARY),
               {QStringLiteral("--send"), QStringLiteral("status"), QStringLiteral("--com1"),
                QString::fromStdString(projector.path())});
    // The panel sends it from its event loop: waited for with events, not in a blocking read.
    std::string sent;
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return (sent += projector.readAvailable()).size() >= 4; }, kWaitMs));
    EXPECT_EQ(sent, "CR0\r");
    EXPECT_EQ(panel->text(control::kTxdLine), QStringLiteral(" C R 0 CR "));
    projector.write("00\r");
    ASSERT_TRUE(QTest::qWaitFor([&] { return send.state() == QProcess::NotRunning; }, kWaitMs));
    EXPECT_EQ(send.exitCode(), 0) << send.readAllStandardError().toStdString();
    EXPECT_EQ(send.readAllStandardOutput(), QByteArray(" 0 0 CR \n Power ON\n"));
    EXPECT_EQ(projector.readAvailable(), "");  // once, and the device never opened twice
    EXPECT_TRUE(warnings.seen().empty());
}

TEST_F(ScriptTest, refusesAMalformedRequestOrOneWhileAButtonIsHeld) {
    for (const QByteArray& wrong : {QByteArray("HELLO\n"), QByteArray("SEND C99\n"),
                                    QByteArray(200, 'S'), QByteArray("SEND C00")}) {
        EXPECT_TRUE(ask(wrong).startsWith("ERR ")) << wrong.left(20).toStdString();
    }
    QTest::mousePress(panel->window.control(control::kVolumePlus), Qt::LeftButton);
    EXPECT_TRUE(ask("SEND C00\n").startsWith("ERR a button is held"));
    QTest::mouseRelease(panel->window.control(control::kVolumePlus), Qt::LeftButton);
    EXPECT_EQ(projector.readAvailable().find("C00"), std::string::npos);
    EXPECT_TRUE(warnings.seen().empty());
}

}  // namespace
}  // namespace qm5::test
