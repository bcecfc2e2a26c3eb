// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>
#include <string>

namespace qm5 {

/// A failed operation of the serial control; what() is the operator-facing description.
/// `alreadyTold`: the operator has had this news already; the handler stops all the same.
class SerialError : public std::runtime_error {
  public:
    explicit SerialError(const std::string& description, bool alreadyTold = false)
        : std::runtime_error(description), alreadyTold_(alreadyTold) {}

    bool alreadyTold() const { return alreadyTold_; }

  private:
    bool alreadyTold_;
};

}  // namespace qm5
