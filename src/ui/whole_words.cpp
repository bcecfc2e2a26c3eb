// SPDX-License-Identifier: MIT
#include "ui/whole_words.h"

#include <QFontMetrics>
#include <QStringList>

namespace qm5 {

namespace {

QString laidOutParagraph(const QString& paragraph, const QFontMetrics& metrics, int width) {
    QString laidOut;
    QString line;
    for (const QString& word : paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (line.isEmpty() || metrics.horizontalAdvance(longer) <= width) {
            line = longer;
            continue;
        }
        laidOut += line + QLatin1Char('\n');
        line = word;
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
