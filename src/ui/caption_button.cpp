// SPDX-License-Identifier: MIT
#include "ui/caption_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace qm5 {

void CaptionButton::paintEvent(QPaintEvent* event) {
    QStyleOptionButton option;
    initStyleOption(&option);
    if (fontMetrics().horizontalAdvance(text()) <= contentsRect().width()) {
        QPushButton::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, text());
}

}  // namespace qm5
