// SPDX-License-Identifier: MIT
#include "ui/warning_dialog.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>

#include <algorithm>

#include "ui/whole_words.h"

namespace qm5 {

namespace {

/// About as wide as a message box's usual text.
constexpr int kLineChars = 64;

}  // namespace

WarningDialog::WarningDialog(const QString& title, const QString& text, QWidget* parent)
    : QMessageBox(QMessageBox::Warning, title, QString(), QMessageBox::Ok, parent) {
    setAttribute(Qt::WA_DeleteOnClose);
    // Not modal: "END", a signal or the close box must end the program whatever box is open.
    setWindowModality(Qt::NonModal);
    // A device path may hold anything, markup too.
    setTextFormat(Qt::PlainText);
    const QFontMetrics metrics = fontMetrics();
    setText(laidOutWhole(text, metrics, metrics.averageCharWidth() * kLineChars));
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    QLabel* shown = label();
    if (shown == nullptr) return;
    // Keys stay with the buttons: Return closes the box, Ctrl+C reaches keyPressEvent.
    shown->setFocusPolicy(Qt::NoFocus);
    // The box wraps its text too, anywhere a path allows: wide enough for every line, it never
    // has to.
    int widest = 0;
    for (const QString& line : this->text().split(QLatin1Char('\n'))) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    const QMargins margins = shown->contentsMargins();
    shown->setMinimumWidth(widest + margins.left() + margins.right() +
                           2 * std::max(0, shown->indent()) + 2 * shown->margin() + 1);
}

QLabel* WarningDialog::label() const {
    return findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
}

void WarningDialog::keyPressEvent(QKeyEvent* event) {
    if (!event->matches(QKeySequence::Copy)) {
        QMessageBox::keyPressEvent(event);
        return;
    }
    const QLabel* shown = label();
    const QString selected = shown != nullptr ? shown->selectedText() : QString();
    QGuiApplication::clipboard()->setText(selected.isEmpty() ? text() : selected);
}

}  // namespace qm5
