// SPDX-License-Identifier: MIT
#include "ui/caption_option.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "ui/font_fit.h"

namespace qm5 {

namespace {

/// Clear space between the caption and whatever lies at the option's right edge.
constexpr int kGapPixels = 4;

}  // namespace

QFont CaptionOption::shownFont() const {
    if (fitted_) return *fitted_;
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect label = style()->subElementRect(QStyle::SE_RadioButtonContents, &option, this);
    const double room = width() - kGapPixels - label.left();
    fitted_ = shrunkToFit(this->font(), [&](const QFont& candidate) {
        return QFontMetricsF(candidate).horizontalAdvance(text()) <= room;
    });
    return *fitted_;
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
