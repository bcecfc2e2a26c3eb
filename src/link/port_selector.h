// SPDX-License-Identifier: MIT
#pragma once

#include "core/platform.h"
#include "core/warning_box.h"

namespace qm5 {

/// "COM" and the port selector Frame8 with COM1 and COM2.
class PortSelector {
  public:
    static constexpr int kAutoHideMs = 5000;

    PortSelector(FormPlatform& platform, WarningBox& warnings)
        : platform_(platform), warnings_(warnings) {}

    void Command33_Click();
    void Timer3_Timer();
    void Option1_Click() { switchTo(1); }
    void Option2_Click() { switchTo(2); }

  private:
    /// Closes the port, renumbers it and opens the chosen one. A failure is reported and leaves
    /// the port closed, numbered for the other port, with the selector still shown.
    void switchTo(int port);

    FormPlatform& platform_;
    WarningBox& warnings_;
};

}  // namespace qm5
