// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "app/commands.h"
#include "link/port_devices.h"

namespace qm5 {

struct CommandLine {
    PortDevices::PerPort devices;
    QString label;
    /// --send: the command to send from the shell, and the port it goes to.
    std::optional<Command> send;
    int port = 1;
    bool listCommands = false;
    /// --log: the file the traffic is appended to; empty for none.
    QString logFile;
    /// --find, and the devices it asks: none for every serial device present.
    bool find = false;
    std::vector<std::string> findDevices;
    /// --json: one JSON object per line.
    bool json = false;
};

/// What the command line asks, or the exit status when the program is to stop here: after
/// --help or --version, or on a command line it does not understand (one line on stderr). Read
/// before the application starts, so that it works without a display.
std::variant<CommandLine, int> readCommandLine(int argc, char* argv[]);

}  // namespace qm5
