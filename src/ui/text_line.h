// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QLabel>

#include <optional>

namespace qm5 {

/// A line whose text changes at run time (TXD, RXD, the status): the head of its text, and the
/// whole height of every glyph. The substitute faces leave room above Latin letters for
/// ideographs, so a text set at the top of the line loses its descenders ("g" of "Cooling
/// down"); the line is placed by the ink of letters and digits instead, and a face too tall for
/// the line is set a little smaller. Measured at the first paint, like the captions.
class TextLine final : public QLabel {
  public:
    using QLabel::QLabel;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    struct Placement {
        QFont font;
        qreal baseline;
    };
    const Placement& placement() const;

    mutable std::optional<Placement> placement_;
};

}  // namespace qm5
