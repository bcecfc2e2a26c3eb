// SPDX-License-Identifier: MIT
#pragma once

#include "core/platform.h"

namespace qm5 {

class SerialControl;

/// The port selector under "COM": shown by the button, hidden by its timer or once a port is
/// chosen. The port steps themselves are the port switch's.
class PortSelector {
  public:
    explicit PortSelector(PanelPlatform& platform) : platform_(platform) {}

    /// "COM": shows the selector until the port selector timer hides it.
    void onComButton();
    void onTimeout();
    void hide();
    /// The port the selector shows as chosen; before any is chosen, the serial control's.
    int portInUse(const SerialControl& serial) const;

  private:
    PanelPlatform& platform_;
};

}  // namespace qm5
