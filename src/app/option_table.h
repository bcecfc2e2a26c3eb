// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <span>

#include "app/command_line.h"
#include "app/option_values.h"

namespace qm5 {

/// The modes an option serves, one bit each: an option that does nothing in a mode is refused
/// rather than ignored.
constexpr unsigned bitOf(CommandLine::Mode mode) {
    return 1U << static_cast<unsigned>(mode);
}
inline constexpr unsigned kPanel = bitOf(CommandLine::Mode::Window);
inline constexpr unsigned kSend = bitOf(CommandLine::Mode::Send);
inline constexpr unsigned kUntil = bitOf(CommandLine::Mode::Until);
inline constexpr unsigned kFind = bitOf(CommandLine::Mode::Find);
inline constexpr unsigned kList = bitOf(CommandLine::Mode::ListCommands);
inline constexpr unsigned kServe = bitOf(CommandLine::Mode::Serve);
inline constexpr unsigned kShell = kSend | kUntil;

/// An option of the command line: its name, its value's name (none for a switch) and its line of
/// --help, the modes it does something in, and what it sets.
struct Option {
    const char* name;
    const char* valueName;
    const char* help;
    unsigned modes;
    Refusal (*read)(CommandLine& commandLine, const QString& value);
};

/// Every option of the program's own, in the order --help lists them and they are read.
std::span<const Option> programOptions();

}  // namespace qm5
