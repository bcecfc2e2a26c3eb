// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace qm5 {

/// Told which port is in use, its device, and whether it is open, whenever one of them changes.
class PortInUseListener {
  public:
    virtual ~PortInUseListener() = default;
    virtual void onPortInUse(int port, std::string_view device, bool open) = 0;
};

}  // namespace qm5
