// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>
#include <string>

#include "link/port_devices.h"
#include "shell/until.h"

namespace qm5 {

/// What --send, --send-raw and --until ask.
struct ShellSend {
    int port = 1;
    PortDevices::PerPort devices;
    /// A command's code, or the text of a raw frame; at most one of them.
    std::optional<std::string> code;
    std::optional<std::string> rawText;
    std::optional<Waiting> until;
    bool json = false;
    /// --log: the file the traffic is appended to; empty for none.
    QString logFile;
};

/// --send, --send-raw and --until, without a window: each frame goes through the panel that has
/// the port's device open, if there is one; otherwise the device is opened here. Returns the exit
/// status: 0 a reply came (and the state was reached), 1 none came (or the state was not reached
/// in time), 3 the device cannot be opened.
int sendFromShell(ShellSend request);

}  // namespace qm5
