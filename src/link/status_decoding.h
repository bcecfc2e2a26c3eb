// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qm5 {

/// The status line for a reception, read from its monitor text and the last frame sent.
/// Empty when the status line is to stay as it is: the last frame was no status query, or the
/// reply matches no row of its query's table.
std::optional<std::string> decodeStatus(std::string_view sendText, std::string_view reply);

}  // namespace qm5
