// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QSerialPort>
#include <QTemporaryDir>

#include "pty/pty_pair.h"
#include "socket/socket_path.h"
#include "support/scoped_env.h"
#include "support/wait.h"
#include "system/user_name.h"

namespace qm5::test {
namespace {

/// Qt's fallback runtime folder as another user's cron job left it (mode 0777), an own folder Qt
/// refuses (0755) and one too long for a socket leave no socket path: each is named with the fix.
/// --send, whose line a panel no script can reach may hold, says so and nothing else.
TEST(RuntimeFolderTest, aFolderWithoutSocketsIsNamedWithTheFix) {
    const QTemporaryDir tmp;
    const ScopedEnv tmpdir("TMPDIR", qPrintable(tmp.path()));
    const QString fallback = tmp.path() + "/runtime-" + userName();
    const QString own = tmp.filePath("own"), longer = tmp.filePath(QString(100, 'x'));
    for (const QString& folder : {fallback, own, longer}) QDir().mkpath(folder);
    QFile::setPermissions(fallback, QFile::Permissions(0x7777));
    QFile::setPermissions(longer, QFile::Permissions(0x7700));
    const QString fix = "XDG_RUNTIME_DIR=/run/user/$(id -u)";
    // XDG_RUNTIME_DIR, and what the reason names.
    for (const auto& [runtime, named] : {std::pair{QString(), fallback + " is "},
                                         {own, own + " is "},
                                         {longer, longer + " is too long"}}) {
        const ScopedEnv set("XDG_RUNTIME_DIR", runtime.isEmpty() ? nullptr : qPrintable(runtime));
        const QString why = socketFolder().refusal;
        EXPECT_TRUE(panelSocketPath("/dev/ttyS0").isEmpty() && why.contains(named) &&
                    why.contains(fix))
            << why.toStdString();
    }

    PtyPair line;
    QSerialPort held(QString::fromStdString(line.path()));
    ASSERT_TRUE(held.open(QIODevice::ReadWrite));
    const ScopedEnv unset("XDG_RUNTIME_DIR", nullptr);
    QProcess send;
    send.start(QM5_CONTROL_BINARY,
               {"--send", "status", "--com1", QString::fromStdString(line.path())});
    ASSERT_TRUE(send.waitForFinished(kWaitMs));
    const QString said = QString::fromLocal8Bit(send.readAllStandardError());
    // One line, without Qt's own warnings, and no program said to hold the line.
    EXPECT_TRUE(send.exitCode() == 3 && said.count('\n') == 1 && said.contains(fallback) &&
                said.contains(fix) && !said.contains("in use"))
        << said.toStdString();
}

}  // namespace
}  // namespace qm5::test
