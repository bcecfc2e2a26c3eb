// SPDX-License-Identifier: MIT
// Anything a server on the network sends, in pieces: the Telnet and RFC 2217 decoder never
// yields more data than arrived, answers within a bounded size, and any data escaped for the
// wire decodes to itself; only input past the subnegotiation bound is called overlong.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "devices/telnet_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const qm5::LineSettings line{19200, qm5::Parity::None, 8, qm5::StopBits::One};

    qm5::TelnetCodec codec(line);
    codec.opening();
    std::size_t taken = 0;
    for (std::size_t at = 0; at < input.size();) {
        // Piece lengths come from the input itself, so splits land everywhere.
        const std::size_t piece = 1 + static_cast<unsigned char>(input[at]) % 13;
        const auto decoded = codec.decode(input.substr(at, piece));
        taken += decoded.data.size();
        if (decoded.reply.size() > 3 * piece + 64) std::abort();
        // Only a subnegotiation past its bound is a failure.
        if (codec.overlong() && at + piece <= qm5::TelnetCodec::kLongestSubnegotiation)
            std::abort();
        at += piece;
    }
    if (taken > input.size()) std::abort();

    qm5::TelnetCodec fresh(line);
    if (fresh.decode(qm5::TelnetCodec::escape(input)).data != input) std::abort();
    return 0;
}
