// SPDX-License-Identifier: MIT
#include "app/quiet_runtime_folder.h"

#include <QString>
#include <QtGlobal>

namespace qm5 {

namespace {

QtMessageHandler qtHandler = nullptr;

void dropRuntimeFolderNotices(QtMsgType type, const QMessageLogContext& context,
                              const QString& text) {
    if ((type == QtWarningMsg || type == QtCriticalMsg) &&
        text.startsWith(QLatin1String("QStandardPaths: ")) &&
        (text.contains(QLatin1String("XDG_RUNTIME_DIR")) ||
         text.contains(QLatin1String("runtime directory")))) {
        return;
    }
    qtHandler(type, context, text);
}

}  // namespace

void quietRuntimeFolderNotices() {
    qtHandler = qInstallMessageHandler(dropRuntimeFolderNotices);
}

}  // namespace qm5
