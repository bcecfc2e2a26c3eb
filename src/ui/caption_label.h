// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QLabel>

#include <optional>
#include <utility>

namespace qm5 {

/// A label of fixed text that shows its caption whole: the substitute faces run a little wider
/// than the ones the layout was drawn with, so a caption that would be clipped is painted a
/// little smaller instead. Measured at the first paint, so that start-up loads no font before
/// the window is shown.
class CaptionLabel final : public QLabel {
  public:
    using QLabel::QLabel;

    /// The font the caption is painted in.
    QFont shownFont() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    /// The caption measured last, and the font found for it.
    mutable std::optional<std::pair<QString, QFont>> fitted_;
};

}  // namespace qm5
