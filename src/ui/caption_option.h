// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QRadioButton>

#include <optional>

namespace qm5 {

/// An option button whose caption ends a little before its right edge: the layout puts the next
/// option's circle right there ("COM1" would run into the circle of "COM2"), and the substitute
/// faces run wider than the layout's. A caption that would reach the edge is painted smaller.
class CaptionOption final : public QRadioButton {
  public:
    using QRadioButton::QRadioButton;

    /// The font the caption is painted in.
    QFont shownFont() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    mutable std::optional<QFont> fitted_;
};

}  // namespace qm5
