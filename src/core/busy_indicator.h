// SPDX-License-Identifier: MIT
#pragma once

namespace qm5 {

/// Shows that a device is still connecting while the operator may go on working: the window's
/// busy cursor. Nothing shows it without a window.
class BusyIndicator {
  public:
    virtual ~BusyIndicator() = default;
    virtual void setBusy(bool busy) = 0;
};

}  // namespace qm5
