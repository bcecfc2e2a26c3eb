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
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) return;
        // As the operator reads it: without the joiners that keep a path on one line.
        const QString text = box->text().remove(QChar(0x2060));
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
