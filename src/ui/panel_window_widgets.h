// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace qm5 {

struct ControlSpec;

/// Twips to pixels at a screen's logical DPI (15 twips per pixel at 96 DPI).
struct TwipScale {
    double dpi = 96.0;
    int pixels(double twips) const;
};

/// The widget of one row of the control table, painted, placed and described; nothing for the
/// rows that are not widgets (timers, the serial control).
QWidget* makeControlWidget(const ControlSpec& spec, QWidget* parent, TwipScale scale);

}  // namespace qm5
