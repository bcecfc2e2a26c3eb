// SPDX-License-Identifier: MIT
#include "link/open_failure.h"

#include <variant>

#include "link/device_address.h"
#include "link/port_devices.h"

namespace qm5 {

namespace {

std::string permissionDenied(const DeviceFile& file, std::string_view user) {
    if (file.group == "dialout") {
        // On a line of its own, so that a box never breaks it and a copied line runs.
        return "permission denied. Add the user to the dialout group with this command and log "
               "in again:\nsudo usermod -aG dialout " +
               std::string(user.empty() ? "\"$USER\"" : user) + "\n";
    }
    return "permission denied (owner " + file.owner + ", group " + file.group + ", mode " +
           file.mode + "): the user needs read and write access to it.";
}

/// Adds a sentence: after a space, or at the start of the line that a command's line left.
void append(std::string& text, std::string_view sentence) {
    if (!text.ends_with('\n')) text += ' ';
    text += sentence;
}

}  // namespace

std::string openFailureReason(OpenFailure failure, const DeviceFile& file, std::string_view user,
                              std::string_view detail) {
    switch (failure) {
        case OpenFailure::Missing:
            return "no such device. Plug in the adapter.";
        case OpenFailure::NotSerial:
            return "not a serial device.";
        case OpenFailure::Refused:
            if (file.userMayReadWrite) {
                return "in use by another program (or another copy of this one).";
            }
            return permissionDenied(file, user);
        case OpenFailure::Other:
            break;
    }
    return "cannot be opened (" + std::string(detail) + ").";
}

std::string deviceName(int port, std::string_view device) {
    return portLabel(port) + " (" + std::string(device) + ")";
}

std::string describeOpenFailure(int port, const std::string& device, std::string_view reason,
                                DeviceChooser chooser) {
    std::string text = deviceName(port, device) + ": " + std::string(reason);
    if (std::holds_alternative<NetworkAddress>(parseDevice(device))) {
        append(text, "Check the server's address and port, that the server runs, and the network.");
    }
    append(text, chooser == DeviceChooser::Panel
                     ? "Right-click COM to choose the device for " + portLabel(port) + "."
                     : "Name another device with --com" + std::to_string(port) + ".");
    return text;
}

}  // namespace qm5
