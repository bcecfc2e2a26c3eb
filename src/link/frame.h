// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace qm5 {

inline constexpr char kCR = '\r';

/// The four-character command frame of a three-character code: the code and CR.
inline std::string frameOf(std::string_view code) {
    std::string frame(code);
    frame += kCR;
    return frame;
}

}  // namespace qm5
