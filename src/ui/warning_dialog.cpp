// SPDX-License-Identifier: MIT
#include "ui/warning_dialog.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>

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
    setText(laidOutWhole(text, fontMetrics(), fontMetrics().averageCharWidth() * kLineChars));
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Keys stay with the buttons: Return closes the box, Ctrl+C reaches keyPressEvent.
    if (QLabel* shown = label()) shown->setFocusPolicy(Qt::NoFocus);
}

QLabel* WarningDialog::label() const {
    return findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
}

void WarningDialog::showEvent(QShowEvent* event) {
    QMessageBox::showEvent(event);
    // The lines are broken already: the box would wrap them again, anywhere in a path.
    QLabel* shown = label();
    if (shown == nullptr || !shown->wordWrap()) return;
    shown->setWordWrap(false);
    setFixedSize(sizeHint());
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
