// SPDX-License-Identifier: MIT
#include "ui/panel_window_widgets.h"

#include <QApplication>
#include <QLabel>
#include <QPalette>

#include <algorithm>
#include <cstdlib>

#include "core/accessibility.h"
#include "core/control_table.h"
#include "ui/caption_button.h"
#include "ui/caption_label.h"
#include "ui/caption_option.h"
#include "ui/fonts.h"
#include "ui/text_line.h"

namespace qm5 {

namespace {

QColor resolve(const Colour& colour) {
    if (!colour.system) return QColor::fromRgb(colour.value);
    const QPalette palette = QApplication::palette();
    if (colour == kButtonText) return palette.color(QPalette::ButtonText);
    // Inactive caption text as the classic desktop scheme paints it.
    if (colour == kInactiveCaptionText) return QColor::fromRgb(0xC0C0C0);
    return palette.color(QPalette::Button);
}

void paintColours(QWidget* widget, const ControlSpec& spec, QPalette::ColorRole backRole) {
    QPalette palette = widget->palette();
    palette.setColor(backRole, resolve(spec.back));
    palette.setColor(QPalette::WindowText, resolve(spec.fore));
    palette.setColor(QPalette::ButtonText, resolve(spec.fore));
    widget->setPalette(palette);
}

QWidget* makeFrame(const ControlSpec& spec, QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    paintColours(frame, spec, QPalette::Window);
    frame->setAutoFillBackground(true);
    return frame;
}

QWidget* makeLabel(const ControlSpec& spec, QWidget* parent) {
    // A fixed caption is shown whole; a text line shows the head of its text.
    QLabel* label = spec.caption.empty() ? static_cast<QLabel*>(new TextLine(parent))
                                         : new CaptionLabel(parent);
    label->setTextFormat(Qt::PlainText);
    const Qt::Alignment horizontal = spec.has(kCentred)        ? Qt::AlignHCenter
                                     : spec.has(kRightAligned) ? Qt::AlignRight
                                                               : Qt::AlignLeft;
    label->setAlignment(horizontal | Qt::AlignTop);
    if (spec.has(kSingleBorder)) label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    paintColours(label, spec, QPalette::Window);
    label->setAutoFillBackground(true);
    return label;
}

QWidget* makeButton(const ControlSpec& spec, QWidget* parent) {
    auto* button = new CaptionButton(parent);
    button->setAutoDefault(false);
    if (!spec.has(kStandardStyle)) paintColours(button, spec, QPalette::Button);
    return button;
}

QWidget* makeOption(const ControlSpec& spec, QWidget* parent) {
    auto* option = new CaptionOption(parent);
    paintColours(option, spec, QPalette::Window);
    option->setAutoFillBackground(true);
    return option;
}

QWidget* makeLine(const ControlSpec& spec, QWidget* parent, TwipScale scale) {
    const WindowSpec& form = windowSpec();
    auto* widget = new QWidget(parent);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(form.lineColour));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
    // A pen of that width centred on the line from (X1, Y1) to (X2, Y2).
    const TwipRect& g = spec.geometry;
    const int pen = form.lineWidthPixels;
    const int x = std::min(scale.pixels(g.left), scale.pixels(g.width)) - pen / 2;
    const int y = std::min(scale.pixels(g.top), scale.pixels(g.height)) - pen / 2;
    widget->setGeometry(x, y, std::abs(scale.pixels(g.width) - scale.pixels(g.left)) + pen,
                        std::abs(scale.pixels(g.height) - scale.pixels(g.top)) + pen);
    return widget;
}

}  // namespace

int TwipScale::pixels(double twips) const {
    return qRound(twips * dpi / 1440.0);
}

QWidget* makeControlWidget(const ControlSpec& spec, QWidget* parent, TwipScale scale) {
    QWidget* widget = nullptr;
    switch (spec.kind) {
        case ControlKind::Frame:
            widget = makeFrame(spec, parent);
            break;
        case ControlKind::Label:
            widget = makeLabel(spec, parent);
            break;
        case ControlKind::Button:
            widget = makeButton(spec, parent);
            break;
        case ControlKind::Option:
            widget = makeOption(spec, parent);
            break;
        case ControlKind::Line:
            return makeLine(spec, parent, scale);
        case ControlKind::Timer:
        case ControlKind::SerialControl:
            return nullptr;
    }
    const TwipRect& g = spec.geometry;
    widget->setFont(fontFor(spec.font));
    widget->setGeometry(scale.pixels(g.left), scale.pixels(g.top), scale.pixels(g.width),
                        scale.pixels(g.height));
    widget->setAccessibleDescription(QString::fromStdString(accessibleDescription(spec.name)));
    return widget;
}

}  // namespace qm5
