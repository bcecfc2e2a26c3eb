// SPDX-License-Identifier: MIT
#include "frame_reader.h"

#include <utility>

namespace qm5::projector {

std::vector<std::string> FrameReader::feed(std::string_view bytes) {
    std::vector<std::string> frames;
    for (const char c : bytes) {
        if (c == '\r') {
            frames.push_back(std::exchange(partial_, {}));
            continue;
        }
        partial_ += c;
        if (partial_.size() > kLongestFrame) partial_.erase(0, partial_.size() - kLongestFrame);
    }
    return frames;
}

}  // namespace qm5::projector
