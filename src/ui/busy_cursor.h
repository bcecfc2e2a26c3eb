// SPDX-License-Identifier: MIT
#pragma once

#include "core/busy_indicator.h"

namespace qm5 {

/// The application's busy cursor, not a wait cursor: the window takes input while a server
/// connects.
class BusyCursor final : public BusyIndicator {
  public:
    /// Each device that is busy says so once, and once again when it no longer is.
    void setBusy(bool busy) override;
};

}  // namespace qm5
