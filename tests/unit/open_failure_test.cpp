// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "link/open_failure.h"

namespace qm5 {
namespace {

TEST(OpenFailureTest, tellsWhichDeviceWhyAndWhatToDo) {
    const std::string_view device = "COM2 (/dev/ttyUSB0)";
    const std::string choose = " Right-click COM to choose the device for COM2.";
    EXPECT_EQ(
        describeOpenFailure(device, 2, openFailureReason(OpenFailure::Missing, false, "alice", "")),
        "COM2 (/dev/ttyUSB0): no such device. Plug in the adapter." + choose);
    EXPECT_EQ(describeOpenFailure(device, 2,
                                  openFailureReason(OpenFailure::NotSerial, true, "alice", "")),
              "COM2 (/dev/ttyUSB0): not a serial device." + choose);
    EXPECT_EQ(
        describeOpenFailure(device, 2, openFailureReason(OpenFailure::Refused, true, "alice", "")),
        "COM2 (/dev/ttyUSB0): in use by another program (or another copy of this one)." + choose);
    EXPECT_EQ(
        describeOpenFailure(device, 2, openFailureReason(OpenFailure::Refused, false, "alice", "")),
        "COM2 (/dev/ttyUSB0): permission denied. Add the user to the dialout group "
        "(sudo\u00A0usermod\u00A0-aG\u00A0dialout\u00A0alice) and log in again." +
            choose);
    EXPECT_EQ(
        describeOpenFailure(
            device, 2, openFailureReason(OpenFailure::Other, true, "alice", "Input/output error")),
        "COM2 (/dev/ttyUSB0): cannot be opened (Input/output error)." + choose);
}

}  // namespace
}  // namespace qm5
