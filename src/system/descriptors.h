// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace qm5 {

/// Raises this process's soft limit of open descriptors to its hard limit, as servers do: a
/// search asks every line at once, and each line holds descriptors while it is asked.
void raiseDescriptorLimit();

/// The soft limit of open descriptors now.
long descriptorLimit();

/// A look at a line that changes none of its settings: whether another program holds it in
/// exclusive mode (TIOCEXCL). A program of another user that neither locks the line nor holds it
/// so cannot be seen. The look stays open while it lives, so that a query that opens the line
/// after it raises DTR once, not twice: some boards restart at each raise.
class LineLook {
  public:
    explicit LineLook(const QString& device);
    ~LineLook();
    LineLook(const LineLook&) = delete;
    LineLook& operator=(const LineLook&) = delete;

    bool heldExclusively() const { return heldExclusively_; }

  private:
    int descriptor_ = -1;
    bool heldExclusively_ = false;
};

}  // namespace qm5
