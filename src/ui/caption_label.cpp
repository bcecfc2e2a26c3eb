// SPDX-License-Identifier: MIT
#include "ui/caption_label.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>

#include "ui/font_fit.h"

namespace qm5 {

QFont CaptionLabel::shownFont() const {
    if (fitted_ && fitted_->first == text()) return fitted_->second;
    const QFont font = shrunkToFit(this->font(), [this](const QFont& candidate) {
        return QFontMetricsF(candidate).horizontalAdvance(text()) <= contentsRect().width();
    });
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
