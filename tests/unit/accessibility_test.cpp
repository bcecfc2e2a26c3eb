// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/accessibility.h"
#include "core/controls.h"

namespace qm5 {
namespace {

TEST(AccessibilityTest, namesAButtonByItsGroupAndCaption) {
    EXPECT_EQ(accessibleName(control::kPowerOn, "ON"), "POWER ON");
    EXPECT_EQ(accessibleName(control::kVolumePlus, "+"), "VOL +");
    EXPECT_EQ(accessibleName(control::kInput2Rgb, "2-RGB"), "INPUT SELECT 2-RGB");
    EXPECT_EQ(accessibleName(control::kInput2SVideo, "S-VIDEO"), "INPUT 2 VIDEO SELECT S-VIDEO");
    EXPECT_EQ(accessibleName(control::kLensShiftUp, "↑"), "LENS SHIFT ↑");
    EXPECT_EQ(accessibleName(control::kDigitalZoomPlus, "-"), "D.Zoom -");
    EXPECT_EQ(accessibleName(control::kOnStartOn, "ON"), "ON START ON");
    EXPECT_EQ(accessibleName(control::kCom2Option, "COM2"), "COM2");
    EXPECT_EQ(accessibleName(control::kSelect, "SELECT"), "SELECT");
    EXPECT_EQ(accessibleName(control::kViewToggle, "CLOSE"), "CLOSE");
}

TEST(AccessibilityTest, letsATextLineSpeakForItself) {
    EXPECT_EQ(accessibleName(control::kRxdLine, " A C K "), " A C K ");
    EXPECT_EQ(accessibleDescription(control::kTxdLine), "TXD");
    EXPECT_EQ(accessibleDescription(control::kRxdLine), "RXD");
    EXPECT_EQ(accessibleDescription(control::kStatusLine), "STATUS");
    EXPECT_EQ(accessibleDescription(control::kPowerOn), "");
}

}  // namespace
}  // namespace qm5
