// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

#include "socket/socket_path.h"

namespace qm5 {
namespace {

/// A service's socket is used only where no one but the system and the service could have put
/// it: a folder that its group or others may write, or a link, could hold one that plays it.
TEST(ServicesSocketTest, onlyAFolderNoOtherUserCouldWriteIsTrusted) {
    if (::geteuid() != 0) GTEST_SKIP() << "the services' folder is root's";
    const QTemporaryDir base;
    const QString services = base.filePath("qm5-control");
    const struct {
        QFile::Permissions servicesMode;
        QFile::Permissions instanceMode;
        bool link;
        bool trusted;
    } rows[] = {
        {QFile::Permissions(0x7555), QFile::Permissions(0x7550), false, true},
        {QFile::Permissions(0x7555), QFile::Permissions(0x7770), false, false},
        {QFile::Permissions(0x7555), QFile::Permissions(0x7557), false, false},
        {QFile::Permissions(0x7557), QFile::Permissions(0x7550), false, false},
        {QFile::Permissions(0x7555), QFile::Permissions(0x7550), true, false},
    };
    for (const auto& row : rows) {
        QDir(services).removeRecursively();
        const QString elsewhere = base.filePath("elsewhere");
        QDir(elsewhere).removeRecursively();
        QDir().mkpath(row.link ? elsewhere : services + "/hall-b");
        if (row.link) {
            QDir().mkpath(services);
            QFile::link(elsewhere, services + "/hall-b");
        }
        const QString instance = row.link ? elsewhere : services + "/hall-b";
        QFile socket(socketPathIn(instance, "/dev/ttyUSB0"));
        ASSERT_TRUE(socket.open(QIODevice::WriteOnly));
        QFile::setPermissions(instance, row.instanceMode);
        QFile::setPermissions(services, row.servicesMode);
        EXPECT_EQ(servicesSocketPaths("/dev/ttyUSB0", services).size(), row.trusted ? 1 : 0)
            << row.servicesMode << " " << row.instanceMode << " " << row.link;
    }
}

}  // namespace
}  // namespace qm5
