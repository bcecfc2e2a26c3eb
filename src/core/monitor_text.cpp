// SPDX-License-Identifier: MIT
#include "core/monitor_text.h"

namespace qm5 {

namespace {

constexpr unsigned char kAck = 6;
constexpr unsigned char kLf = 10;
constexpr unsigned char kCr = 13;

}  // namespace

void appendMonitorTokens(std::string& out, std::string_view chars) {
    out.reserve(out.size() + 2 * chars.size());
    for (const char c : chars) {
        const auto code = static_cast<unsigned char>(c);
        if (code == kAck) {
            out += "ACK ";
        } else if (code == kCr) {
            out += "CR ";
        } else if (code == kLf) {
            out += "LF  ";
        } else if (code >= ' ' && code <= 'z') {
            out += c;
            out += ' ';
        } else {
            out += "? ";
        }
    }
}

std::string monitorText(std::string_view chars) {
    std::string out = " ";
    appendMonitorTokens(out, chars);
    return out;
}

}  // namespace qm5
