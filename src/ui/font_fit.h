// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

namespace qm5 {

/// `font`, set smaller a quarter point at a time, down to 6 points at the least, until `fits`
/// holds for it: the substitute faces run a little larger than the ones the layout was drawn with.
template <typename Fits>
QFont shrunkToFit(QFont font, Fits fits) {
    constexpr double kStepPoints = 0.25;
    constexpr double kSmallestPoints = 6.0;
    while (!fits(font) && font.pointSizeF() - kStepPoints >= kSmallestPoints) {
        font.setPointSizeF(font.pointSizeF() - kStepPoints);
    }
    return font;
}

}  // namespace qm5
