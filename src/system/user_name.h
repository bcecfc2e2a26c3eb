// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace qm5 {

/// The name of the user the program runs as, as the system's user database has it (Qt names its
/// fallback runtime folder after it); empty where there is none.
QString userName();

}  // namespace qm5
