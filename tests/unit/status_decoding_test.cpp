// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/monitor_text.h"
#include "link/status_decoding.h"

namespace qm5 {
namespace {

struct Decoding {
    std::string sent;
    std::string reply;
    std::optional<std::string> status;
};

void PrintTo(const Decoding& row, std::ostream* os) {
    *os << monitorText(row.sent) << "/" << monitorText(row.reply);
}

class StatusDecodingTest : public ::testing::TestWithParam<Decoding> {};

TEST_P(StatusDecodingTest, decodesTheReplyToTheLastQuery) {
    EXPECT_EQ(decodeStatus(GetParam().sent, monitorText(GetParam().reply)), GetParam().status);
}

const std::string kStatus = "CR0\r";
const std::string kMode = "CR1\r";
const std::string kLampTime = "CR3\r";
const std::string kSetting = "CR4\r";

INSTANTIATE_TEST_SUITE_P(PowerState, StatusDecodingTest,
                         ::testing::Values(Decoding{kStatus, "00\r", " Power ON"},
                                           Decoding{kStatus, "80\r", " Stand by"},
                                           Decoding{kStatus, "40", " Count down"},
                                           Decoding{kStatus, "20", " Cooling down"},
                                           Decoding{kStatus, "10", " Power abnormality"},
                                           Decoding{kStatus, "08", " Temperature abnormality"},
                                           Decoding{kStatus, "18", " Temperature abnormality"},
                                           Decoding{kStatus, "28", " Temperature abnormality"},
                                           Decoding{kStatus, "48", " Temperature abnormality"},
                                           Decoding{kStatus, "88", " Temperature abnormality"},
                                           Decoding{kStatus, "84", std::nullopt},
                                           Decoding{kStatus, "0", std::nullopt},
                                           Decoding{kStatus,
                                                    "\x06"
                                                    "00\r",
                                                    std::nullopt}));

INSTANTIATE_TEST_SUITE_P(Input, StatusDecodingTest,
                         ::testing::Values(Decoding{kMode, "0\r", " Input 1"},
                                           Decoding{kMode, "1", " Input 2"},
                                           Decoding{kMode, "2xyz", " Input 3"},
                                           Decoding{kMode, "3", std::nullopt},
                                           Decoding{kMode, "", std::nullopt}));

INSTANTIATE_TEST_SUITE_P(Orientation, StatusDecodingTest,
                         ::testing::Values(Decoding{kSetting, "11\r", " Normally"},
                                           Decoding{kSetting, "10", " Top/Bottom reversal"},
                                           Decoding{kSetting, "01", " Left/Right reversal"},
                                           Decoding{kSetting, "00\r",
                                                    " Top/Bottom , Left/Right reversal"},
                                           Decoding{kSetting, "22", std::nullopt}));

INSTANTIATE_TEST_SUITE_P(LampTime, StatusDecodingTest,
                         ::testing::Values(Decoding{kLampTime, "1234\r", " 1 2 3 4 Hour Use"},
                                           Decoding{kLampTime, "99\r", " 9 9 CR  Hour Use"},
                                           Decoding{kLampTime, "12", " 1 2  Hour Use"},
                                           Decoding{kLampTime, "", "  Hour Use"}));

INSTANTIATE_TEST_SUITE_P(NotAQuery, StatusDecodingTest,
                         ::testing::Values(Decoding{"C00\r", "00\r", std::nullopt},
                                           Decoding{"", "00", std::nullopt},
                                           Decoding{"CR0", "00", std::nullopt},
                                           Decoding{"CR2\r", "00", std::nullopt}));

}  // namespace
}  // namespace qm5
