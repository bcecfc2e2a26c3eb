// SPDX-License-Identifier: MIT
#pragma once

#include <QMessageBox>

namespace qm5 {

/// The warning box: plain text laid out so that no path, address or command is split, selectable
/// with the mouse; Ctrl+C copies the selection, or the whole text as shown. Shown without an
/// event loop of its own, and gone once closed.
class WarningDialog final : public QMessageBox {
  public:
    WarningDialog(const QString& title, const QString& text, QWidget* parent);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QLabel* label() const;
};

}  // namespace qm5
