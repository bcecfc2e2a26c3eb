// SPDX-License-Identifier: MIT
#include "support/warning_catcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

#include "support/wait.h"

namespace qm5::test {

WarningCatcher::WarningCatcher() {
    poll_.setInterval(5);
    QObject::connect(&poll_, &QTimer::timeout, &poll_, [this] {
        QMessageBox* box = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* shown = qobject_cast<QMessageBox*>(window);
            if (shown != nullptr && shown->isVisible()) box = shown;
        }
        if (box == nullptr) return;
        // As the operator reads it: the lines of the box as one text.
        const QString text = box->text().replace(QLatin1Char('\n'), QLatin1Char(' '));
        seen_.push_back({text.toStdString(), box->windowTitle().toStdString(), box->icon(),
                         box->standardButtons(), box->textFormat()});
        box->button(QMessageBox::Ok)->click();
    });
    poll_.start();
}

bool WarningCatcher::waitFor(std::size_t count) const {
    return QTest::qWaitFor([&] { return seen_.size() >= count; }, kWaitMs);
}

}  // namespace qm5::test
