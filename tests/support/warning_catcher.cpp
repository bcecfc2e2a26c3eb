// SPDX-License-Identifier: MIT
#include "support/warning_catcher.h"

#include <QAbstractButton>
#include <QApplication>

namespace qm5::test {

WarningCatcher::WarningCatcher() {
    poll_.setInterval(5);
    QObject::connect(&poll_, &QTimer::timeout, &poll_, [this] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) return;
        seen_.push_back({box->text().toStdString(), box->windowTitle().toStdString(), box->icon(),
                         box->standardButtons(), box->textFormat()});
        box->button(QMessageBox::Ok)->click();
    });
    poll_.start();
}

}  // namespace qm5::test
