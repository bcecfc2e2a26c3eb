// SPDX-License-Identifier: MIT
#include "ui/fonts.h"

namespace qm5 {

namespace {

const QString kProportionalGothic = QStringLiteral("ＭＳ Ｐゴシック");
const QString kFixedGothic = QStringLiteral("ＭＳ ゴシック");

}  // namespace

void installFontSubstitutes() {
    // IPAPGothic and IPAGothic (fonts-ipafont-gothic) share the metrics of the faces the layout
    // was drawn with; fontconfig has no alias for them, so name them here.
    QFont::insertSubstitution(kProportionalGothic, QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(kFixedGothic, QStringLiteral("IPAGothic"));
    QFont::insertSubstitution(QStringLiteral("MS Gothic"), QStringLiteral("IPAGothic"));
}

QFont fontFor(const FontSpec& spec) {
    QFont font(spec.face == FontFace::FixedGothic ? kFixedGothic : kProportionalGothic);
    font.setPointSizeF(spec.points);
    font.setBold(spec.bold);
    return font;
}

}  // namespace qm5
