// SPDX-License-Identifier: MIT
#include "ui/caption_label.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>

namespace qm5 {

QFont CaptionLabel::shownFont() const {
    if (fitted_ && fitted_->first == text()) return fitted_->second;
    constexpr double kStepPoints = 0.25;
    constexpr double kSmallestPoints = 6.0;
    QFont font = this->font();
    while (QFontMetricsF(font).horizontalAdvance(text()) > contentsRect().width() &&
           font.pointSizeF() - kStepPoints >= kSmallestPoints) {
        font.setPointSizeF(font.pointSizeF() - kStepPoints);
    }
    fitted_.emplace(text(), font);
    return font;
}

void CaptionLabel::paintEvent(QPaintEvent* event) {
    const QFont font = shownFont();
    if (font == this->font()) {
        QLabel::paintEvent(event);
        return;
    }
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setFont(font);
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(contentsRect(), static_cast<int>(alignment()), text());
}

void CaptionLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) fitted_.reset();
    QLabel::changeEvent(event);
}

}  // namespace qm5
