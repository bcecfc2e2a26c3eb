// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

namespace qm5 {

class SerialControl;
class WarningBox;

/// The port steps of choosing COM1 or COM2: close, renumber, open.
class PortSwitch {
  public:
    PortSwitch(SerialControl& serial, WarningBox& warnings)
        : serial_(serial), warnings_(warnings) {}

    /// Returns whether the chosen port is open. A failure is reported and leaves the port
    /// closed, numbered for the other port.
    bool switchTo(int port);
    /// The same steps without a word or a renumbering: returns the failure, if any.
    std::optional<std::string> tryOpen(int port);

  private:
    SerialControl& serial_;
    WarningBox& warnings_;
};

}  // namespace qm5
