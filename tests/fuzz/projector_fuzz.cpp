// SPDX-License-Identifier: MIT
// Anything on the virtual projector's command line or its line: options are taken or refused
// with a UsageError, frames never outgrow the longest one, every frame gets an answer, and
// nothing crashes, overflows or reads out of bounds.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "frame_reader.h"
#include "options.h"
#include "projector.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    std::vector<std::string> arguments;
    for (std::size_t start = 0; start <= input.size();) {
        const std::size_t end = std::min(input.find('\0', start), input.size());
        arguments.emplace_back(input.substr(start, end - start));
        start = end + 1;
    }
    qm5::projector::ProjectorOptions projectorOptions;
    try {
        projectorOptions = qm5::projector::parseOptions(arguments).projector;
    } catch (const qm5::projector::UsageError&) {
    }

    qm5::projector::Projector projector(projectorOptions);
    qm5::projector::FrameReader reader;
    double now = 0;
    for (std::size_t i = 0; i < input.size(); i += 7) {
        for (const std::string& frame : reader.feed(input.substr(i, 7))) {
            if (frame.size() > qm5::projector::FrameReader::kLongestFrame) std::abort();
            if (projector.answer(frame, now).empty()) std::abort();
            now += static_cast<double>(static_cast<unsigned char>(frame.empty() ? 1 : frame[0]));
        }
    }
    return 0;
}
