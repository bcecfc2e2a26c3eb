// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace qm5 {

/// Appends the monitor tokens of `chars` to `out`: one token a character, ACK, CR and LF named,
/// printable ASCII up to "z" as itself, anything else as "? ".
void appendMonitorTokens(std::string& out, std::string_view chars);

/// The monitor text of `chars`: one space, then its tokens.
std::string monitorText(std::string_view chars);

}  // namespace qm5
