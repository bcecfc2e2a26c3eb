// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>

namespace qm5 {

/// What ends a reply: CR a status reply, ACK a command's, NAK a refused frame's.
inline constexpr char kNak = '\x15';
inline constexpr std::string_view kReplyEnds("\r\x06\x15", 3);

/// Whether `chars` hold a whole reply. Whoever waits for the reply may go on at once; only
/// silence costs the timeout.
inline bool replyComplete(std::string_view chars) {
    return chars.find_first_of(kReplyEnds) != std::string_view::npos;
}

/// Whether the projector refused the frame: its reply ends at NAK.
inline bool replyRefused(std::string_view chars) {
    const std::size_t end = chars.find_first_of(kReplyEnds);
    return end != std::string_view::npos && chars[end] == kNak;
}

}  // namespace qm5
