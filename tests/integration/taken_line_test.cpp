// SPDX-License-Identifier: MIT
// What the search checks just before it opens a line: a line that another program holds must
// not be sent a query that its owner would read.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <optional>

#include "devices/serial_devices.h"
#include "devices/system_device_maker.h"
#include "link/projector_search.h"
#include "pty/pty_pair.h"
#include "socket/projector_finder.h"
#include "system/descriptors.h"

namespace qm5::test {
namespace {

/// Seen without the processes' open devices (another user's cannot be read): by its lock file,
/// live or stale, or by the exclusive mode its holder set.
TEST(TakenLineTest, aLockOrAnExclusiveHolderIsSeenWithoutTheProcesses) {
    enum class Held { Not, LiveLock, StaleLock, Exclusively };
    for (const auto& [held, taken] : {std::pair{Held::Not, false},
                                      {Held::LiveLock, true},
                                      {Held::StaleLock, false},
                                      {Held::Exclusively, true}}) {
        const PtyPair line;
        QFile lock(QStringLiteral("/var/lock/LCK..") +
                   QString::fromStdString(line.path()).mid(5).replace(u'/', u'_'));
        if (held == Held::LiveLock || held == Held::StaleLock) {
            ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
            // No process has a number this high: the lock is stale.
            const qint64 pid =
                held == Held::LiveLock ? QCoreApplication::applicationPid() : 4194305;
            lock.write(QByteArray::number(pid).rightJustified(10) + '\n');
            lock.close();
        }
        const int holder = ::open(line.path().c_str(), O_RDWR | O_NOCTTY);
        ASSERT_GE(holder, 0);
        if (held == Held::Exclusively) {
            ASSERT_EQ(::ioctl(holder, TIOCEXCL), 0);
        }
        const LineLook look(QString::fromStdString(line.path()));
        EXPECT_EQ(takenByAProcess(line.path(), {}) || look.heldExclusively(), taken)
            << static_cast<int>(held);
        ::close(holder);
        lock.remove();
    }
}

/// A line held exclusively is not opened by the search, whoever holds it: its owner reads
/// nothing, and the answer says why.
TEST(TakenLineTest, aLineHeldExclusivelyIsNotAsked) {
    PtyPair line;
    const int holder = ::open(line.path().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_EQ(::ioctl(holder, TIOCEXCL), 0);
    struct : QueryEvents {
        void onAnswered(const SearchAnswer& given) override { answer = given; }
        std::optional<SearchAnswer> answer;
    } told;
    SystemDeviceMaker maker;
    const OpenDevices none;
    DeviceQuery query(line.path(), maker, told, none);
    query.start();  // answered at once, without opening the line
    ASSERT_TRUE(told.answer.has_value());
    EXPECT_NE(told.answer->error.find("held exclusively"), std::string::npos) << told.answer->error;
    EXPECT_EQ(told.answer->failure, Failure::Busy);
    EXPECT_EQ(line.readAvailable(), "");
    ::close(holder);
}

/// Every line at once, as far as the descriptor limit allows with some to spare.
TEST(TakenLineTest, asksAsManyLinesAtOnceAsTheDescriptorsAllow) {
    EXPECT_EQ(ProjectorFinder::atOnce(1024), 320U);
    EXPECT_EQ(ProjectorFinder::atOnce(67), 1U);
    EXPECT_EQ(ProjectorFinder::atOnce(16), 1U);
}

}  // namespace
}  // namespace qm5::test
