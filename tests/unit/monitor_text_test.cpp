// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>

#include "core/monitor_text.h"
#include "core/traffic_text.h"

namespace qm5 {
namespace {

struct Rendering {
    std::string input;
    std::string monitor;
};

void PrintTo(const Rendering& row, std::ostream* os) {
    *os << row.monitor;
}

class MonitorTextTest : public ::testing::TestWithParam<Rendering> {};

TEST_P(MonitorTextTest, rendersEachCharacterAsOneToken) {
    EXPECT_EQ(monitorText(GetParam().input), GetParam().monitor);
}

INSTANTIATE_TEST_SUITE_P(
    Tokens, MonitorTextTest,
    ::testing::Values(Rendering{"C00\r", " C 0 0 CR "}, Rendering{"CR0\r", " C R 0 CR "},
                      Rendering{"00\r", " 0 0 CR "}, Rendering{"\x06", " ACK "},
                      Rendering{"\x06\r\n", " ACK CR LF  "}, Rendering{"", " "},
                      Rendering{" ", "   "}, Rendering{"a{", " a ? "}, Rendering{"z", " z "},
                      Rendering{"|}~\x7f", " ? ? ? ? "},
                      Rendering{std::string("\0\t\x1b", 3), " ? ? ? "},
                      Rendering{"\x80\xff\xe3", " ? ? ? "},
                      Rendering{"0\x06"
                                "0",
                                " 0 ACK 0 "},
                      Rendering{"\r\n", " CR LF  "}));

TEST(TrafficTextTest, growsItsMonitorTextPieceByPieceAsIfRenderedWhole) {
    TrafficText text;
    const std::string pieces[] = {"0", "0\r", "\x06\n", "abc{", ""};
    std::string all;
    for (const std::string& piece : pieces) {
        text.append(piece);
        all += piece;
        EXPECT_EQ(text.chars(), all);
        EXPECT_EQ(text.monitor(), monitorText(all));
    }
    text.clear();
    EXPECT_EQ(text.monitor(), " ");
}

TEST(TrafficTextTest, keepsTheHeadAndDropsWhatComesAfterItIsFull) {
    TrafficText text;
    const std::string head(TrafficText::kMaxLength - 1, '1');
    EXPECT_EQ(text.append(head), head.size());
    EXPECT_EQ(text.append("23"), 1U);
    EXPECT_EQ(text.append("4"), 0U);
    EXPECT_EQ(text.chars(), head + "2");
    EXPECT_EQ(text.monitor(), monitorText(head + "2"));

    text.clear();
    EXPECT_EQ(text.append("5"), 1U);
    EXPECT_EQ(text.chars(), "5");
}

}  // namespace
}  // namespace qm5
