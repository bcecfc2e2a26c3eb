// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>
#include <string>

#include "core/failure.h"

namespace qm5 {

/// A failed operation of the serial control; what() is the operator-facing description.
/// `alreadyTold`: the operator has had this news already; the handler stops all the same.
class SerialError : public std::runtime_error {
  public:
    explicit SerialError(const std::string& description, Failure failure = Failure::Unreachable,
                         bool alreadyTold = false)
        : std::runtime_error(description), failure_(failure), alreadyTold_(alreadyTold) {}

    Failure failure() const { return failure_; }
    bool alreadyTold() const { return alreadyTold_; }

  private:
    Failure failure_;
    bool alreadyTold_;
};

}  // namespace qm5
