// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>

#include <optional>
#include <string>

#include "core/monitor_text.h"
#include "link/projector_search.h"
#include "shell/find_command.h"

namespace qm5 {
namespace {

struct Reply {
    std::string chars;
    std::optional<std::string> status;
};

void PrintTo(const Reply& row, std::ostream* os) {
    *os << monitorText(row.chars);
}

class SearchReplyTest : public ::testing::TestWithParam<Reply> {};

/// Only a reply the status line decodes is a projector.
TEST_P(SearchReplyTest, isAProjectorOnlyWhenTheStatusDecodes) {
    const Reply& row = GetParam();
    const SearchAnswer answer = answerOf("/dev/ttyUSB0", row.chars);
    EXPECT_EQ(answer.replied, !row.chars.empty());
    EXPECT_EQ(answer.status, row.status);
}

INSTANTIATE_TEST_SUITE_P(Replies, SearchReplyTest,
                         ::testing::Values(Reply{"80\r", "Stand by"}, Reply{"00", "Power ON"},
                                           Reply{"\x06", std::nullopt}, Reply{"ZZ\r", std::nullopt},
                                           Reply{"?\x15", std::nullopt}, Reply{"", std::nullopt}));

TEST(SearchJsonTest, givesEachKeyOnlyWhenItSaysSomething) {
    SearchAnswer busy = answerOf("/dev/ttyS0", "");
    busy.error = "in use";
    busy.failure = Failure::Busy;
    for (const auto& [answer, expected] :
         {std::pair{answerOf("/dev/ttyUSB0", "80\r"),
                    R"({"device":"/dev/ttyUSB0","sent":"CR0","replied":true,"reply":" 8 0 CR ",)"
                    R"("replyHex":"38 30 0D","status":"Stand by"})"},
          std::pair{busy, R"({"device":"/dev/ttyS0","sent":"CR0","replied":false,"reply":"",)"
                          R"("replyHex":"","error":"in use","errorCode":"busy"})"}}) {
        const QJsonObject object = QJsonDocument::fromJson(answerJson(answer)).object();
        EXPECT_EQ(object, QJsonDocument::fromJson(expected).object()) << answerJson(answer).data();
        EXPECT_FALSE(answerJson(answer).contains('\n'));
    }
}

}  // namespace
}  // namespace qm5
