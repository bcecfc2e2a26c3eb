// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/escaped_name.h"

namespace qm5 {
namespace {

/// What may split a line or is no UTF-8 is escaped, so that two names never print alike; the
/// rest, placeholders and wide characters included, is left as it is.
TEST(EscapedNameTest, escapesWhatCouldSplitALineOrIsNoUtf8) {
    const struct {
        std::string_view name;
        std::string_view escaped;
        bool utf8;
    } rows[] = {
        {"/dev/ttyUSB0", "/dev/ttyUSB0", true},
        {"/tmp/silent%1", "/tmp/silent%1", true},
        {"/tmp/a\nb\tc\rd", "/tmp/a\\nb\\tc\\x0dd", true},
        {"a\\nb", "a\\\\nb", true},
        {"\x7f\x01", "\\x7f\\x01", true},
        {"/dev/プロジェクター", "/dev/プロジェクター", true},
        {"\xf0\x9f\x93\xbd", "\xf0\x9f\x93\xbd", true},
        {"\xff\xfe", "\\xff\\xfe", false},
        {"\xc0\xaf", "\\xc0\\xaf", false},                    // an overlong "/"
        {"\xed\xa0\x80", "\\xed\\xa0\\x80", false},           // a surrogate
        {"\xe3\x83", "\\xe3\\x83", false},                    // cut short
        {"\xf4\x90\x80\x80", "\\xf4\\x90\\x80\\x80", false},  // past U+10FFFF
    };
    for (const auto& row : rows) {
        EXPECT_EQ(escapedName(row.name), row.escaped) << testing::PrintToString(row.name);
        EXPECT_EQ(isValidUtf8(row.name), row.utf8) << testing::PrintToString(row.name);
    }
}

}  // namespace
}  // namespace qm5
