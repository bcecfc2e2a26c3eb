// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QFontMetrics;

namespace qm5 {

/// `text` as a box shows it: lines of about `width` pixels broken at spaces and after Japanese
/// commas and full stops only, so a path or an address ("/dev/serial/by-id/usb-…",
/// "rfc2217://host:4001") is never split where the line breaking rules would allow it after "/"
/// or "-". A line of its own (a command) stays whole while it fits. What the operator copies is
/// what is shown, and a copied command runs.
QString laidOutWhole(const QString& text, const QFontMetrics& metrics, int width);

}  // namespace qm5
