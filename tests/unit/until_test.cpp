// SPDX-License-Identifier: MIT
// The pace of --until's status queries, in times from the start of the waiting.
#include <gtest/gtest.h>

#include "shell/until.h"

namespace qm5::test {
namespace {

using std::chrono::milliseconds;

TEST(UntilTest, asksEveryIntervalAndOnceMoreAtTheTimeout) {
    const Waiting waiting{{"on", " Power ON"}, milliseconds(2000), milliseconds(5000)};
    const struct {
        int askedAt;
        int now;
        int next;  // -1: no more queries
    } rows[] = {
        {0, 10, 1990},      // a quick reply: the interval counts from the query
        {0, 600, 1400},     // a silent one costs its timeout out of the interval
        {0, 2500, 0},       // a reply later than the interval: the next one at once
        {4000, 4010, 990},  // the last query at the timeout, not past it
        {4990, 5000, -1},   // the timeout reached: no more
    };
    for (const auto& row : rows) {
        const auto next = nextQueryIn(milliseconds(row.askedAt), milliseconds(row.now), waiting);
        EXPECT_EQ(next ? next->count() : -1, row.next) << row.askedAt << " " << row.now;
    }
}

}  // namespace
}  // namespace qm5::test
