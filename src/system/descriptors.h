// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace qm5 {

/// Raises this process's soft limit of open descriptors to its hard limit, as servers do: a
/// search asks every line at once, and each line holds descriptors while it is asked.
void raiseDescriptorLimit();

/// The soft limit of open descriptors now.
long descriptorLimit();

/// Whether another program holds `device` in exclusive mode (TIOCEXCL): asked without changing
/// any of the line's settings. A program of another user that neither locks the line nor holds
/// it so cannot be seen.
bool heldExclusively(const QString& device);

}  // namespace qm5
