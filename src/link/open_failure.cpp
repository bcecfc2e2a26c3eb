// SPDX-License-Identifier: MIT
#include "link/open_failure.h"

#include "link/port_devices.h"

namespace qm5 {

std::string openFailureReason(OpenFailure failure, bool userMayReadWrite, std::string_view user,
                              std::string_view detail) {
    switch (failure) {
        case OpenFailure::Missing:
            return "no such device. Plug in the adapter.";
        case OpenFailure::NotSerial:
            return "not a serial device.";
        case OpenFailure::Refused:
            if (userMayReadWrite) return "in use by another program (or another copy of this one).";
            // No-break spaces: the command is copied whole, never split across lines.
            return "permission denied. Add the user to the dialout group "
                   "(sudo\u00A0usermod\u00A0-aG"
                   "\u00A0dialout\u00A0" +
                   std::string(user.empty() ? "\"$USER\"" : user) + ") and log in again.";
        case OpenFailure::Other:
            break;
    }
    return "cannot be opened (" + std::string(detail) + ").";
}

std::string describeOpenFailure(std::string_view device, int port, std::string_view reason) {
    return std::string(device) + ": " + std::string(reason) +
           " Right-click COM to choose the device for " + portLabel(port) + ".";
}

}  // namespace qm5
