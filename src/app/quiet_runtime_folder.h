// SPDX-License-Identifier: MIT
#pragma once

namespace qm5 {

/// Without XDG_RUNTIME_DIR (root without a login session, cron) Qt warns at every look-up of the
/// runtime folder that it uses its own fallback, which it still checks is the user's own; and it
/// warns of a folder it refuses. The first is no news to a script, and the program tells the
/// second in its own words (socketFolder): stderr keeps only the program's own messages and Qt's
/// others.
void quietRuntimeFolderNotices();

}  // namespace qm5
