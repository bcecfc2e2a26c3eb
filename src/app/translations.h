// SPDX-License-Identifier: MIT
#pragma once

#include <QTranslator>

namespace qm5 {

/// The program's texts and Qt's own (standard buttons and dialogs, --help's frame) in the user's
/// language. A language the program has no translation for is English throughout, Qt's texts
/// included, rather than a mix.
class Translations {
  public:
    Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    /// Into the application that exists now: each application has translators of its own.
    void install();

  private:
    QTranslator own_;
    QTranslator qt_;
    bool loaded_ = false;
};

}  // namespace qm5
