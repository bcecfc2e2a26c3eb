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
                          const std::string& group = "dialout") {
        return openFailureReason(failure, {mayReadWrite, "root", group, "rw-rw----"}, "alice",
                                 "Input/output error");
    };
    const std::string check =
        " Check the server's address and port, that the server runs, and the network.";
    const std::string schemeless = std::get<AddressError>(parseDevice("h:1")).what;
    // The device, the reason, and what the operator reads between the device and the way out.
    const std::tuple<std::string, std::string, std::string> rows[] = {
        {"/dev/x", local(OpenFailure::Missing), "no such device. Plug in the adapter."},
        {"/dev/x", local(OpenFailure::NotSerial), "not a serial device."},
        {"/dev/x", local(OpenFailure::Refused, true),
         "in use by another program (or another copy of this one)."},
        {"/dev/x", local(OpenFailure::Refused),
         "permission denied. Add the user to the dialout group with this command and log in "
         "again:\nsudo usermod -aG dialout alice\n"},
        {"/dev/x", local(OpenFailure::Refused, false, "uucp"),
         "permission denied (owner root, group uucp, mode rw-rw----): the user needs read and "
         "write access to it."},
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

}  // namespace
}  // namespace qm5
