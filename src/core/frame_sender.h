// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace qm5 {

/// Where the buttons hand their command codes: the frame is stored as the last one sent, written
/// to the line and shown on the monitor.
class FrameSender {
  public:
    virtual ~FrameSender() = default;
    virtual void send(std::string_view code) = 0;
};

}  // namespace qm5
