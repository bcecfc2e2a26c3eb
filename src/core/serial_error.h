// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>
#include <string>

namespace qm5 {

/// A failed operation of the serial control; what() is the operator-facing description.
class SerialError : public std::runtime_error {
  public:
    explicit SerialError(const std::string& description) : std::runtime_error(description) {}
};

}  // namespace qm5
