// SPDX-License-Identifier: MIT
#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace qm5 {

Translations::Translations() {
    const QLocale locale = QLocale::system();
    loaded_ = own_.load(locale, QStringLiteral("qm5-control"), QStringLiteral("_"),
                        QStringLiteral(":/i18n"));
    if (loaded_) {
        // Missing, the standard buttons stay English: the program's texts are still translated.
        (void)qt_.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
}

void Translations::install() {
    if (!loaded_) return;
    if (!qt_.isEmpty()) QCoreApplication::installTranslator(&qt_);
    QCoreApplication::installTranslator(&own_);
}

}  // namespace qm5
