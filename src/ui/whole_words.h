// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace qm5 {

/// `text` for a box that wraps its lines: a word holding a path or an address ("/dev/serial/
/// by-id/usb-…", "rfc2217://host:4001"), or a command whose words are joined by no-break spaces,
/// is joined so that no line breaks inside it, where the line breaking rules would allow it
/// after "/" or "-". Screen readers ignore the joiners.
QString withWholePaths(const QString& text);

}  // namespace qm5
