// SPDX-License-Identifier: MIT
#include "ui/whole_words.h"

#include <QFontMetrics>
#include <QStringList>

#include <utility>

namespace qm5 {

namespace {

/// What a line may break before: the text after a space, which the break drops, or after a
/// Japanese comma or full stop, which stays at the line's end (Japanese puts no spaces between
/// words).
struct Piece {
    QString text;
    bool afterSpace;
};

QList<Piece> piecesOf(const QString& paragraph) {
    QList<Piece> pieces;
    QString piece;
    bool afterSpace = false;
    for (const QChar c : paragraph) {
        if (c == QLatin1Char(' ')) {
            if (!piece.isEmpty()) pieces.append({std::exchange(piece, {}), afterSpace});
            afterSpace = true;
            continue;
        }
        piece += c;
        if (c == QChar(u'。') || c == QChar(u'、')) {
            pieces.append({std::exchange(piece, {}), afterSpace});
            afterSpace = false;
        }
    }
    if (!piece.isEmpty()) pieces.append({piece, afterSpace});
    return pieces;
}

QString laidOutParagraph(const QString& paragraph, const QFontMetrics& metrics, int width) {
    QString laidOut;
    QString line;
    for (const Piece& piece : piecesOf(paragraph)) {
        const QString longer =
            line + (piece.afterSpace && !line.isEmpty() ? QStringLiteral(" ") : QString()) +
            piece.text;
        if (line.isEmpty() || metrics.horizontalAdvance(longer) <= width) {
            line = longer;
            continue;
        }
        laidOut += line + QLatin1Char('\n');
        line = piece.text;
    }
    return laidOut + line;
}

}  // namespace

QString laidOutWhole(const QString& text, const QFontMetrics& metrics, int width) {
    QStringList paragraphs = text.split(QLatin1Char('\n'));
    for (QString& paragraph : paragraphs) paragraph = laidOutParagraph(paragraph, metrics, width);
    return paragraphs.join(QLatin1Char('\n'));
}

}  // namespace qm5
