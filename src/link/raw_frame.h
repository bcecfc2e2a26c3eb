// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace qm5 {

/// The longest text --send-raw sends before its CR.
inline constexpr std::size_t kLongestRawText = 16;

/// Whether `text` may go out as a frame of its own: 1 to 16 printable ASCII characters, so that
/// nothing but its own CR ends it and no control character reaches the projector.
inline bool isRawFrameText(std::string_view text) {
    return !text.empty() && text.size() <= kLongestRawText &&
           std::ranges::all_of(text, [](char c) { return c >= 0x20 && c <= 0x7E; });
}

}  // namespace qm5
