// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "link/open_failure.h"

namespace qm5 {
namespace {

TEST(OpenFailureTest, tellsWhichDeviceWhyAndWhatToDo) {
    const std::string_view device = "COM2 (/dev/ttyUSB0)";
    EXPECT_EQ(describeOpenFailure(device, 2, OpenFailure::Missing, false, ""),
              "COM2 (/dev/ttyUSB0): no such device. Plug in the adapter, or set QM5_COM2 to its "
              "path.");
    EXPECT_EQ(describeOpenFailure(device, 2, OpenFailure::Refused, true, ""),
              "COM2 (/dev/ttyUSB0): in use by another program (or another copy of this one).");
    EXPECT_EQ(describeOpenFailure(device, 2, OpenFailure::Refused, false, ""),
              "COM2 (/dev/ttyUSB0): permission denied. Add the user to the dialout group "
              "(usermod -aG dialout USER) and log in again.");
    EXPECT_EQ(describeOpenFailure(device, 2, OpenFailure::Other, true, "Input/output error"),
              "COM2 (/dev/ttyUSB0): cannot be opened (Input/output error).");
}

}  // namespace
}  // namespace qm5
