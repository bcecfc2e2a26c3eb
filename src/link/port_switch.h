// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <deque>
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
    /// closed; once the operator has closed the box, it is numbered for the other port, unless
    /// the port has been chosen, opened or watched for since.
    bool switchTo(int port);
    /// The same steps without a word or a renumbering: returns the failure, if any.
    std::optional<std::string> tryOpen(int port);
    /// The device of the port just switched to failed while it opened in the background (a
    /// server): reported and renumbered as a failure at once would be.
    void openFailedLate(const std::string& failure);

  private:
    /// What a failed switch left, and the port to number once its box is closed.
    struct Renumbering {
        std::uint64_t choice;
        std::int16_t leftOn;
        std::int16_t to;
    };

    void afterWarning() override;
    /// Shows why switching to `port` failed; the other port is numbered once the box closes.
    void report(int port, const std::string& failure);

    SerialControl& serial_;
    WarningBox& warnings_;
    /// Counts the port steps taken.
    std::uint64_t choices_ = 0;
    /// One per failed switch whose box is open or waiting, in the order of the boxes.
    std::deque<Renumbering> renumberings_;
};

}  // namespace qm5
