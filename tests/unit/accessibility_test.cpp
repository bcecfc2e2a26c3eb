// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "ui/accessibility.h"

namespace qm5 {
namespace {

TEST(AccessibilityTest, namesAButtonByItsGroupAndCaption) {
    EXPECT_EQ(accessibleName("Command17", "ON"), "POWER ON");
    EXPECT_EQ(accessibleName("Command1", "+"), "VOL +");
    EXPECT_EQ(accessibleName("Command28", "2-RGB"), "INPUT SELECT 2-RGB");
    EXPECT_EQ(accessibleName("Command63", "S-VIDEO"), "INPUT 2 VIDEO SELECT S-VIDEO");
    EXPECT_EQ(accessibleName("Command59", "↑"), "LENS SHIFT ↑");
    EXPECT_EQ(accessibleName("Command48", "-"), "D.Zoom -");
    EXPECT_EQ(accessibleName("Command69", "ON"), "ON START ON");
    EXPECT_EQ(accessibleName("Option2", "COM2"), "COM2");
    EXPECT_EQ(accessibleName("Command6", "SELECT"), "SELECT");
    EXPECT_EQ(accessibleName("Command34", "CLOSE"), "CLOSE");
}

TEST(AccessibilityTest, letsATextLineSpeakForItself) {
    EXPECT_EQ(accessibleName("Label12", " A C K "), " A C K ");
    EXPECT_EQ(accessibleDescription("Label11"), "TXD");
    EXPECT_EQ(accessibleDescription("Label12"), "RXD");
    EXPECT_EQ(accessibleDescription("Label25"), "STATUS");
    EXPECT_EQ(accessibleDescription("Command17"), "");
}

}  // namespace
}  // namespace qm5
