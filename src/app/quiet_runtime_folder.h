// SPDX-License-Identifier: MIT
#pragma once

namespace qm5 {

/// Without XDG_RUNTIME_DIR (root without a login session, cron) Qt warns at every look-up of the
/// runtime folder that it uses its own fallback, which it still checks is the user's own. That
/// is no news to a script: its stderr keeps only the program's own messages and Qt's others.
void quietRuntimeFolderFallback();

}  // namespace qm5
