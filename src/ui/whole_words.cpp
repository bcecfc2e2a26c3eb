// SPDX-License-Identifier: MIT
#include "ui/whole_words.h"

namespace qm5 {

namespace {

constexpr QChar kNoBreakSpace(0x00A0);
constexpr QChar kWordJoiner(0x2060);

bool breaksLine(QChar c) {
    return c.isSpace() && c != kNoBreakSpace;
}

}  // namespace

QString withWholePaths(const QString& text) {
    QString joined;
    joined.reserve(text.size() * 2);
    qsizetype wordStart = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !breaksLine(text[i])) continue;
        const QStringView word = QStringView(text).mid(wordStart, i - wordStart);
        if (word.contains(QLatin1Char('/')) || word.contains(kNoBreakSpace)) {
            for (qsizetype c = 0; c < word.size(); ++c) {
                if (c > 0) joined += kWordJoiner;
                joined += word[c];
            }
        } else {
            joined += word;
        }
        if (i < text.size()) joined += text[i];
        wordStart = i + 1;
    }
    return joined;
}

}  // namespace qm5
