// SPDX-License-Identifier: MIT
#include "ui/caption_option.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace qm5 {

namespace {

/// Clear space between the caption and whatever lies at the option's right edge.
constexpr int kGapPixels = 4;

}  // namespace

QFont CaptionOption::shownFont() const {
    if (fitted_) return *fitted_;
    constexpr double kStepPoints = 0.25;
    constexpr double kSmallestPoints = 6.0;
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect label = style()->subElementRect(QStyle::SE_RadioButtonContents, &option, this);
    const double room = width() - kGapPixels - label.left();
    QFont font = this->font();
    while (QFontMetricsF(font).horizontalAdvance(text()) > room &&
           font.pointSizeF() - kStepPoints >= kSmallestPoints) {
        font.setPointSizeF(font.pointSizeF() - kStepPoints);
    }
    fitted_ = font;
    return font;
}

void CaptionOption::paintEvent(QPaintEvent* /*event*/) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QFont font = shownFont();
    painter.setFont(font);
    option.fontMetrics = QFontMetrics(font);
    painter.drawControl(QStyle::CE_RadioButton, option);
}

void CaptionOption::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) fitted_.reset();
    QRadioButton::changeEvent(event);
}

}  // namespace qm5
