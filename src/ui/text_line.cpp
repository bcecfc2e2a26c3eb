// SPDX-License-Identifier: MIT
#include "ui/text_line.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>

#include "ui/font_fit.h"

namespace qm5 {

namespace {

/// The tallest and deepest glyphs these lines show: capitals, digits, descenders.
const QString kInkSample = QStringLiteral("AQX0gjpqy");

}  // namespace

const TextLine::Placement& TextLine::placement() const {
    if (placement_) return *placement_;
    // A pixel of air above and below the ink.
    const QRectF line = QRectF(contentsRect()).adjusted(0, 1, 0, -1);
    const QFont font = shrunkToFit(this->font(), [&](const QFont& candidate) {
        return QFontMetricsF(candidate).tightBoundingRect(kInkSample).height() <= line.height();
    });
    const QRectF ink = QFontMetricsF(font).tightBoundingRect(kInkSample);
    // The ink centred in the line; ink.top() is negative, above the baseline.
    placement_ = Placement{font, line.top() + (line.height() - ink.height()) / 2 - ink.top()};
    return *placement_;
}

void TextLine::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    const Placement& shown = placement();
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    painter.setFont(shown.font);
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(QPointF(contentsRect().left(), shown.baseline), text());
}

void TextLine::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) placement_.reset();
    QLabel::changeEvent(event);
}

void TextLine::resizeEvent(QResizeEvent* event) {
    placement_.reset();
    QLabel::resizeEvent(event);
}

}  // namespace qm5
