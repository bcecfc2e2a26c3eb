// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace qm5 {

/// Whether `chars` hold a whole reply: a status reply ends at CR, a command's at ACK, a refused
/// frame's at NAK. Whoever waits for the reply may go on at once; only silence costs the timeout.
inline bool replyComplete(std::string_view chars) {
    constexpr char kEnds[] = {'\r', '\x06', '\x15'};
    return chars.find_first_of(std::string_view(kEnds, sizeof kEnds)) != std::string_view::npos;
}

}  // namespace qm5
