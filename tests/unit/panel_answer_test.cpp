// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "socket/panel_answer.h"

namespace qm5 {
namespace {

struct Answer {
    QByteArray lines;
    bool complete;
    bool replied;
    std::string chars;
    std::optional<std::string> status;
    std::optional<QString> refused;
    Failure failure = Failure::Busy;
};

void PrintTo(const Answer& row, std::ostream* os) {
    *os << row.lines.toStdString();
}

class PanelAnswerTest : public ::testing::TestWithParam<Answer> {};

/// Read as the panel writes it, and a part or a refusal not taken for a reply.
TEST_P(PanelAnswerTest, readsTheLinesThePanelTold) {
    const Answer& row = GetParam();
    const PanelAnswer read = readPanelAnswer(row.lines);
    EXPECT_EQ(panelAnswerComplete(row.lines), row.complete);
    EXPECT_EQ(read.replied, row.replied);
    EXPECT_EQ(read.chars, row.chars);
    EXPECT_EQ(read.status, row.status);
    EXPECT_EQ(read.refused, row.refused);
    EXPECT_EQ(read.failure, row.failure);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, PanelAnswerTest,
    ::testing::Values(
        Answer{"RXD  0 0 CR \nHEX 30 30 0D\nSTATUS  Power ON\nEND\n", true, true, "00\r",
               " Power ON", std::nullopt},
        Answer{"RXD  ACK \nHEX 06\nEND\n", true, true, "\x06", std::nullopt, std::nullopt},
        Answer{"END\n", true, false, "", std::nullopt, std::nullopt},
        Answer{"RXD  0 0 CR \nHEX 30", false, true, "0", std::nullopt, std::nullopt},
        Answer{"ERR the request is too long\n", true, false, "", std::nullopt,
               QString("the request is too long")},
        Answer{"ERR the req", false, false, "", std::nullopt, QString("the req")},
        Answer{"ERR interrupted the panel is ending\n", true, false, "", std::nullopt,
               QString("the panel is ending"), Failure::Interrupted},
        Answer{"ERR refused x\n", true, false, "", std::nullopt, QString("refused x")},
        Answer{"", false, false, "", std::nullopt, std::nullopt}));

}  // namespace
}  // namespace qm5
