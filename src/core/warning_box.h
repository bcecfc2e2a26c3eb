// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>

#include "core/platform.h"

namespace qm5 {

/// What goes on once the operator has closed a warning.
class AfterWarning {
  public:
    virtual ~AfterWarning() = default;
    virtual void afterWarning() = 0;
};

/// Shows warnings one at a time, each after the one before it. The box never waits under the
/// handler that raised it, so nothing the event loop does meanwhile can pull the handler's data
/// away. The same text twice in a row shows once, and a stream of failures (a held button on a
/// dead line) cannot bury the operator: past kMostWaiting, later warnings are dropped, but for
/// one with a follow-up.
class WarningBox final : private MessageBoxEvents {
  public:
    static constexpr std::size_t kMostWaiting = 4;

    explicit WarningBox(MessageBox& box) : box_(box) {}
    WarningBox(const WarningBox&) = delete;
    WarningBox& operator=(const WarningBox&) = delete;

    /// `about`: the device the warning is about, whose opening withdraws it. `after` runs once
    /// the operator has closed the box, not when it is withdrawn or the program ends.
    void show(std::string text, std::string about = {}, AfterWarning* after = nullptr);
    /// Closes or forgets the warnings about `device`: it has opened since.
    void withdraw(std::string_view device);
    /// Closes the box and forgets every warning: the program ends.
    void clear();

  private:
    struct Warning {
        std::string text;
        std::string about;
        AfterWarning* after;
    };

    void onMessageBoxClosed() override;
    void openNext();

    MessageBox& box_;
    /// The open warning first, while open_.
    std::deque<Warning> warnings_;
    bool open_ = false;
};

}  // namespace qm5
