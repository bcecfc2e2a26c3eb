// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/warning_box.h"

namespace qm5 {

class SerialControl;

/// The port steps of choosing COM1 or COM2: close, renumber, open.
class PortSwitch final : private AfterWarning {
  public:
    PortSwitch(SerialControl& serial, WarningBox& warnings)
        : serial_(serial), warnings_(warnings) {}

    /// Returns whether the chosen port is open. A failure is reported and leaves the port
    /// closed; once the operator has closed the box, it is numbered for the other port.
    bool switchTo(int port);
    /// The same steps without a word or a renumbering: returns the failure, if any.
    std::optional<std::string> tryOpen(int port);

  private:
    void afterWarning() override;

    SerialControl& serial_;
    WarningBox& warnings_;
    std::int16_t otherPort_ = 2;
};

}  // namespace qm5
