// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <variant>

#include "link/device_address.h"
#include "link/open_failure.h"

namespace qm5 {
namespace {

struct Message {
    const char* cause;
    std::string device;
    std::string reason;
    std::string expected;
};

void PrintTo(const Message& row, std::ostream* os) {
    *os << row.cause;
}

std::string local(OpenFailure failure, const DeviceFile& file = {}) {
    return openFailureReason(failure, file, "alice", "Input/output error");
}

const std::string kCheck =
    " Check the server's address and port, that the server runs, and the network.";
const std::string kSchemeless = std::get<AddressError>(parseDevice("h:1")).what;

class OpenFailureTest : public ::testing::TestWithParam<Message> {};

TEST_P(OpenFailureTest, tellsWhichDeviceWhyAndWhatToDo) {
    const Message& row = GetParam();
    EXPECT_EQ(describeOpenFailure(2, row.device, row.reason),
              "COM2 (" + row.device + "): " + row.expected +
                  " Right-click COM to choose the device for COM2.");
}

INSTANTIATE_TEST_SUITE_P(
    Causes, OpenFailureTest,
    ::testing::Values(
        Message{"missing", "/dev/x", local(OpenFailure::Missing),
                "no such device. Plug in the adapter."},
        Message{"not serial", "/dev/x", local(OpenFailure::NotSerial), "not a serial device."},
        Message{"busy", "/dev/x",
                local(OpenFailure::Refused, {true, "root", "dialout", "rw-rw----"}),
                "in use by another program (or another copy of this one)."},
        Message{"dialout", "/dev/x",
                local(OpenFailure::Refused, {false, "root", "dialout", "rw-rw----"}),
                "permission denied. Add the user to the dialout group (sudo usermod -aG dialout "
                "alice) and log in again."},
        Message{"other group", "/dev/x",
                local(OpenFailure::Refused, {false, "root", "uucp", "rw-rw----"}),
                "permission denied (owner root, group uucp, mode rw-rw----): the user needs read "
                "and write access to it."},
        Message{"other", "/dev/x", local(OpenFailure::Other),
                "cannot be opened (Input/output error)."},
        Message{"unknown host", "rfc2217://h:1", "h:1 is no known host.",
                "h:1 is no known host." + kCheck},
        Message{"refused", "socket://h:1", "h:1 refused the connection.",
                "h:1 refused the connection." + kCheck},
        Message{"timeout", "rfc2217://h:1", "h:1 did not answer within 3 seconds.",
                "h:1 did not answer within 3 seconds." + kCheck},
        Message{"scheme-less", "h:1", kSchemeless, kSchemeless}));

}  // namespace
}  // namespace qm5
