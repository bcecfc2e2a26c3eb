// SPDX-License-Identifier: MIT
#include "ui/busy_cursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace qm5 {

void BusyCursor::setBusy(bool busy) {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) return;
    if (busy) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::BusyCursor));
    } else {
        QGuiApplication::restoreOverrideCursor();
    }
}

}  // namespace qm5
