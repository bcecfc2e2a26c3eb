// SPDX-License-Identifier: MIT
// A test signals only the program it started: never the test run's own process group.
#include <gtest/gtest.h>

#include <QProcess>

#include "support/started_process.h"
#include "support/wait.h"

namespace qm5::test {
namespace {

/// Signal 0 sends nothing, even to the process group: a helper that lets a 0 through reports a
/// success here, and the test run goes on to say so.
TEST(StartedProcessTest, aProgramNeverStartedOrEndedIsAFailureAndGetsNothing) {
    EXPECT_FALSE(StartedProcess().signal(0));
    const QProcess never;
    EXPECT_FALSE(StartedProcess(never).signal(0));

    QProcess ended;
    ended.start(QStringLiteral("true"));
    const StartedProcess started(ended);
    ASSERT_TRUE(ended.waitForFinished(kWaitMs));
    EXPECT_FALSE(started.signal(0));
}

}  // namespace
}  // namespace qm5::test
