// SPDX-License-Identifier: MIT
#include "mqtt/stderr_notices.h"

#include <cstdio>

#include "core/escaped_name.h"

namespace qm5 {

void StderrNotices::onBridgeNotice(const QString& text) {
    const QString name = label_.isEmpty()
                             ? QStringLiteral("qm5-control")
                             : QStringLiteral("qm5-control (%1)")
                                   .arg(QString::fromStdString(escapedName(label_.toStdString())));
    // The broker's reasons are its own words: one line, whatever they hold.
    std::fprintf(stderr, "%s: MQTT: %s\n", qPrintable(name),
                 escapedName(text.toStdString()).c_str());
    std::fflush(stderr);
}

}  // namespace qm5
