// SPDX-License-Identifier: MIT
#pragma once

#include <QMessageBox>
#include <QTimer>

#include <string>
#include <vector>

namespace qm5::test {

/// Answers every message box the program opens, as an operator would, noting what it said.
class WarningCatcher {
  public:
    struct Seen {
        std::string text;
        std::string title;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        Qt::TextFormat format;
    };

    WarningCatcher();

    const std::vector<Seen>& seen() const { return seen_; }
    /// Whether `count` boxes have been seen within the wait.
    bool waitFor(std::size_t count) const;

  private:
    QTimer poll_;
    std::vector<Seen> seen_;
};

}  // namespace qm5::test
