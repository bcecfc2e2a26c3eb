// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qm5::projector {

/// Cuts what arrives on the line into frames at each CR. Line noise without a CR is kept only as
/// long as the longest frame, so it cannot pile up.
class FrameReader {
  public:
    static constexpr std::size_t kLongestFrame = 64;

    /// The frames that `bytes` completes, each without its CR.
    std::vector<std::string> feed(std::string_view bytes);

  private:
    std::string partial_;
};

}  // namespace qm5::projector
