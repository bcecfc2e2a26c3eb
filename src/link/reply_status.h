// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/monitor_text.h"
#include "link/reply_end.h"
#include "link/status_decoding.h"

namespace qm5 {

/// The status line's words for `chars` received in reply to `frame`, when the reply decodes. A
/// refused frame's reply tells no state, whatever came before its NAK.
inline std::optional<std::string> replyStatus(std::string_view frame, std::string_view chars) {
    if (replyRefused(chars)) return std::nullopt;
    chars = replyProper(chars);
    // The status tables read no more than the first four characters of a reply.
    constexpr std::size_t kDecodedChars = 4;
    return decodeStatus(frame, monitorText(chars.substr(0, kDecodedChars)));
}

}  // namespace qm5
