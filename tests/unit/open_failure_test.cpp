// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <tuple>
#include <variant>

#include "devices/device_address.h"
#include "devices/open_failure.h"
#include "link/port_failure.h"

namespace qm5 {
namespace {

TEST(OpenFailureTest, tellsWhichDeviceWhyAndWhatToDo) {
    const auto local = [](OpenFailure failure, bool mayReadWrite = false,
                          const std::string& group = "dialout",
                          const std::string& mode = "rw-rw----") {
        const DeviceFile file{mayReadWrite, "root", group, mode, "/dev/x"};
        return openFailureReason(failure, file, "alice", "Input/output error");
    };
    const std::string check =
        " Check the server's address and port, that the server runs, and the network.";
    const std::string schemeless = std::get<AddressError>(parseDevice("h:1")).what;
    // The device, the reason, and what the operator reads between the device and the way out.
    const std::tuple<std::string, std::string, std::string> rows[] = {
        {"/dev/x", local(OpenFailure::Missing), "no such device. Plug in the adapter."},
        {"/dev/x", local(OpenFailure::NoSuchName), "no such device: check the name."},
        {"/dev/x", local(OpenFailure::NotSerial), "not a serial device."},
        {"/dev/x", local(OpenFailure::Refused, true),
         "in use by another program (or another copy of this one)."},
        {"/dev/x", local(OpenFailure::Refused),
         "permission denied. Add the user to the dialout group with this command and log in "
         "again:\nsudo usermod -aG dialout alice\n"},
        {"/dev/x", local(OpenFailure::Refused, false, "uucp"),
         "permission denied. Add the user to the uucp group with this command and log in "
         "again:\nsudo usermod -aG uucp alice\n"},
        {"/dev/x", local(OpenFailure::Refused, false, "dialout", "rw-r--r--"),
         "permission denied: only root may use it (mode rw-r--r--, group dialout), and alice may "
         "not. This command gives it to alice until it is plugged in again (a udev rule makes "
         "that last):\nsudo chown alice /dev/x\n"},
        {"/dev/x", local(OpenFailure::Other), "cannot be opened (Input/output error)."},
        {"rfc2217://h:1", "h:1 is no known host.", "h:1 is no known host." + check},
        {"socket://h:1", "h:1 refused the connection.", "h:1 refused the connection." + check},
        {"rfc2217://h:1", "h:1 did not answer.", "h:1 did not answer." + check},
        {"h:1", schemeless, schemeless}};
    for (const auto& [device, reason, expected] : rows) {
        // A command's line stands alone: the way out starts the next line.
        const std::string head =
            "COM2 (" + device + "): " + expected + (expected.ends_with('\n') ? "" : " ");
        EXPECT_EQ(describeOpenFailure(2, device, reason, DeviceChooser::Panel),
                  head + "Right-click COM to choose the device for COM2.");
        EXPECT_EQ(describeOpenFailure(2, device, reason, DeviceChooser::CommandLine),
                  head + "Name another device with --com2.");
    }
}

/// The word a script matches for each failure to open.
TEST(OpenFailureTest, eachFailureHasItsWord) {
    const auto word = [](OpenFailure failure, bool mayReadWrite) {
        return failureCode(failureOf(failure, DeviceFile{mayReadWrite, "", "", "", ""}));
    };
    EXPECT_EQ(word(OpenFailure::Missing, false), "missing");
    EXPECT_EQ(word(OpenFailure::NoSuchName, false), "missing");
    EXPECT_EQ(word(OpenFailure::NotSerial, true), "bad-address");
    EXPECT_EQ(word(OpenFailure::Refused, true), "busy");
    EXPECT_EQ(word(OpenFailure::Refused, false), "forbidden");
    EXPECT_EQ(word(OpenFailure::Other, true), "unreachable");
}

}  // namespace
}  // namespace qm5
