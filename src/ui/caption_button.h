// SPDX-License-Identifier: MIT
#pragma once

#include <QPushButton>

namespace qm5 {

/// A push button whose caption wraps onto further lines when it is wider than the button
/// ("DISPLAY CLEAR" on a button two lines high), as the layout was drawn.
class CaptionButton final : public QPushButton {
  public:
    using QPushButton::QPushButton;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace qm5
