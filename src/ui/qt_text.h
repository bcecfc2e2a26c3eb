// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <string_view>

namespace qm5 {

/// The window's texts are UTF-8: Japanese captions, ASCII monitor text.
inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace qm5
