// SPDX-License-Identifier: MIT
#include "app/quiet_runtime_folder.h"

#include <QString>
#include <QtGlobal>

namespace qm5 {

namespace {

QtMessageHandler qtHandler = nullptr;

void dropFallbackNotice(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg &&
        text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))) {
        return;
    }
    qtHandler(type, context, text);
}

}  // namespace

void quietRuntimeFolderFallback() {
    qtHandler = qInstallMessageHandler(dropFallbackNotice);
}

}  // namespace qm5
