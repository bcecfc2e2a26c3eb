// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace qm5 {

/// The status line for a reception, read from its monitor text and the last frame sent.
/// Empty when the status line is to stay as it is: the last frame was no status query, or the
/// reply matches no row of its query's table.
std::optional<std::string> decodeStatus(std::string_view sendText, std::string_view reply);

/// A power state as a script names it ("on", "standby", ...), and its status line.
struct PowerStateName {
    std::string_view name;
    std::string_view statusLine;
};

/// Every power state's name, in the order of the status query's answers.
std::span<const PowerStateName> powerStateNames();

}  // namespace qm5
