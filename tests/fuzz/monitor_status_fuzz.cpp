// SPDX-License-Identifier: MIT
// Arbitrary received bytes, delivered in pieces, after each of the frames the panel sends:
// the monitor text built piece by piece must equal the text rendered whole, and neither the
// rendering nor the status decoding may crash or read out of bounds.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/monitor_text.h"
#include "core/traffic_text.h"
#include "link/status_decoding.h"

namespace {

constexpr std::string_view kSent[] = {"CR0\r", "CR1\r", "CR3\r", "CR4\r", "C00\r", ""};

std::size_t tokenLength(unsigned char c) {
    if (c == 6 || c == 10) return 4;
    if (c == 13) return 3;
    return 2;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string_view sent = kSent[data[0] % std::size(kSent)];
    const std::size_t piece = 1 + (data[0] >> 3);
    const std::string_view received(reinterpret_cast<const char*>(data + 1), size - 1);

    qm5::TrafficText text;
    for (std::size_t at = 0; at < received.size(); at += piece) {
        text.append(received.substr(at, piece));
        if (const auto status = qm5::decodeStatus(sent, text.monitor())) {
            if (status->empty()) std::abort();
        }
    }
    if (text.monitor() != qm5::monitorText(text.chars())) std::abort();
    std::size_t length = 1;
    for (const char c : text.chars()) length += tokenLength(static_cast<unsigned char>(c));
    if (text.monitor().size() != length) std::abort();
    return 0;
}
