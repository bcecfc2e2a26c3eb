// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace qm5 {

/// Runs `program` in this process's place with `argv` (its first taken as the program's name).
/// Returns only when that fails, with the system's reason.
QString replaceProcessBy(const QString& program, char* argv[]);

}  // namespace qm5
