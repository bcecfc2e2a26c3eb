// SPDX-License-Identifier: MIT
#include "core/escaped_name.h"

#include <cstdint>
#include <cstdio>

namespace qm5 {

namespace {

/// The length of the UTF-8 sequence that starts at `at`, or 0 when none does: overlong forms,
/// surrogates and code points past U+10FFFF are none.
std::size_t sequenceAt(std::string_view bytes, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(bytes[i]); };
    const std::uint8_t lead = byte(at);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    std::uint32_t point = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, point = lead & 0x1FU;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, point = lead & 0x0FU;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, point = lead & 0x07U;
    } else {
        return 0;
    }
    if (at + length > bytes.size()) return 0;
    for (std::size_t i = at + 1; i < at + length; ++i) {
        if ((byte(i) & 0xC0U) != 0x80U) return 0;
        point = point << 6U | (byte(i) & 0x3FU);
    }
    const bool overlong = (length == 3 && point < 0x800) || (length == 4 && point < 0x10000);
    const bool surrogate = point >= 0xD800 && point <= 0xDFFF;
    return overlong || surrogate || point > 0x10FFFF ? 0 : length;
}

}  // namespace

std::string escapedName(std::string_view name) {
    std::string escaped;
    escaped.reserve(name.size());
    for (std::size_t at = 0; at < name.size();) {
        const char c = name[at];
        const std::size_t length = sequenceAt(name, at);
        if (c == '\\') {
            escaped += "\\\\";
        } else if (c == '\n') {
            escaped += "\\n";
        } else if (c == '\t') {
            escaped += "\\t";
        } else if (length == 0 || static_cast<unsigned char>(c) < 0x20 || c == '\x7f') {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02x", static_cast<unsigned char>(c));
            escaped += hex;
        } else {
            escaped.append(name.substr(at, length));
            at += length;
            continue;
        }
        ++at;
    }
    return escaped;
}

bool isValidUtf8(std::string_view bytes) {
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t length = sequenceAt(bytes, at);
        if (length == 0) return false;
        at += length;
    }
    return true;
}

}  // namespace qm5
