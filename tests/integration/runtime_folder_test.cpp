// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QSerialPort>
#include <QTemporaryDir>

#include <unistd.h>

#include <tuple>

#include "pty/pty_pair.h"
#include "socket/socket_path.h"
#include "support/scoped_env.h"
#include "support/wait.h"
#include "system/user_name.h"

namespace qm5::test {
namespace {

/// Qt's fallback runtime folder as another user's cron job left it, an own folder Qt refuses
/// (0777), a link to a folder and one too long for a socket leave no socket path: each is named
/// with what is wrong and its fix. --send, whose line a panel no script can reach may hold, says
/// so and nothing else.
TEST(RuntimeFolderTest, aFolderWithoutSocketsIsNamedWithTheFix) {
    const QTemporaryDir tmp;
    const ScopedEnv tmpdir("TMPDIR", qPrintable(tmp.path()));
    const QString fallback = tmp.path() + "/runtime-" + userName();
    const QString others = tmp.filePath("others"), link = tmp.filePath("link"),
                  longer = tmp.filePath(QString(100, 'x'));
    for (const QString& folder : {fallback, others, longer}) QDir().mkpath(folder);
    QFile::setPermissions(fallback, QFile::Permissions(0x7777));
    QFile::setPermissions(longer, QFile::Permissions(0x7700));
    QFile::link(longer, link);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(qPrintable(others), 65534, 65534), 0);
    }
    const QString fix = "XDG_RUNTIME_DIR=/run/user/$(id -u)";
    // XDG_RUNTIME_DIR, what the reason names, and the fix it gives.
    for (const auto& [runtime, named, mends] :
         {std::tuple{QString(), fallback + " has mode 0777", "chmod 700 " + fallback},
          {root ? others : fallback, root ? others + " belongs to " : " has mode 0777",
           root ? fix : "chmod 700 "},
          {link, link + " is a symbolic link", fix},
          {longer, longer + " is too long", fix}}) {
        const ScopedEnv set("XDG_RUNTIME_DIR", runtime.isEmpty() ? nullptr : qPrintable(runtime));
        const QString why = socketFolder().refusal;
        EXPECT_TRUE(panelSocketPath("/dev/ttyS0").isEmpty() && why.contains(named) &&
                    why.contains(mends))
            << why.toStdString();
    }

    PtyPair line;
    QSerialPort held(QString::fromStdString(line.path()));
    ASSERT_TRUE(held.open(QIODevice::ReadWrite));
    const ScopedEnv unset("XDG_RUNTIME_DIR", nullptr);
    // A line that is held names the folder; one that is not there says so, and only that.
    for (const auto& [device, folderNamed] :
         {std::pair{QString::fromStdString(line.path()), true}, {"/dev/ttyUSB98", false}}) {
        QProcess send;
        send.start(QM5_CONTROL_BINARY, {"--send", "status", "--com1", device});
        ASSERT_TRUE(send.waitForFinished(kWaitMs));
        const QString said = QString::fromLocal8Bit(send.readAllStandardError());
        // One line, without Qt's own warnings, and no program said to hold the line.
        EXPECT_TRUE(send.exitCode() == 3 && said.count('\n') == 1 &&
                    said.contains(fallback) == folderNamed &&
                    said.contains("chmod 700") == folderNamed && !said.contains("in use") &&
                    said.contains("no such device") != folderNamed)
            << said.toStdString();
    }
}

}  // namespace
}  // namespace qm5::test
