// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>

namespace qm5 {

/// What ends a reply: CR a status reply, ACK a command's, NAK a refused frame's.
inline constexpr char kNak = '\x15';
inline constexpr std::string_view kReplyEnds("\r\x06\x15", 3);

/// `chars` without the CR or LF they begin with: the end of an earlier reply that came after
/// its timeout, not this reply's end.
inline std::string_view replyProper(std::string_view chars) {
    const std::size_t start = chars.find_first_not_of("\r\n");
    return start == std::string_view::npos ? std::string_view() : chars.substr(start);
}

/// Whether `chars` hold a whole reply. Whoever waits for the reply may go on at once; only
/// silence costs the timeout.
inline bool replyComplete(std::string_view chars) {
    return replyProper(chars).find_first_of(kReplyEnds) != std::string_view::npos;
}

/// Whether the projector refused the frame: its reply ends at NAK.
inline bool replyRefused(std::string_view chars) {
    chars = replyProper(chars);
    const std::size_t end = chars.find_first_of(kReplyEnds);
    return end != std::string_view::npos && chars[end] == kNak;
}

}  // namespace qm5
