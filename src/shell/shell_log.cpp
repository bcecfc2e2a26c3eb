// SPDX-License-Identifier: MIT
#include "shell/shell_log.h"

#include <QCoreApplication>

#include <cstdio>

namespace qm5 {

ShellLog::ShellLog(const QString& file) {
    if (file.isEmpty()) return;
    log_ = std::make_unique<TrafficLog>(file, static_cast<TrafficLogEvents&>(*this));
    if (const auto failure = log_->open()) {
        std::fprintf(
            stderr, "qm5-control: %s\n",
            qPrintable(QCoreApplication::translate("ShellLog", "%1; going on without a log.")
                           .arg(QString::fromStdString(*failure))));
    }
}

void ShellLog::onLogFailed(const std::string& why) {
    // A sentence's end is the language's: a full stop, or "。".
    std::fprintf(
        stderr, "qm5-control: %s\n",
        qPrintable(
            QCoreApplication::translate("ShellLog", "%1.").arg(QString::fromStdString(why))));
}

}  // namespace qm5
