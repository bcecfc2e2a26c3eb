// SPDX-License-Identifier: MIT
#include "service/headless_platform.h"

#include <QCoreApplication>

#include <cstdio>

#include "core/escaped_name.h"

namespace qm5 {

bool HeadlessControls::value(std::string_view option) const {
    const auto found = values_.find(option);
    return found != values_.end() && found->second;
}

void HeadlessControls::setValue(std::string_view option, bool selected) {
    values_[std::string(option)] = selected;
}

void HeadlessWindow::end() {
    // From the event loop: the handler that ends is still running.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

void StderrWarnings::openWarning(std::string_view text, MessageBoxEvents& events) {
    // One line each: a command the text carries on a line of its own follows a space.
    QString line = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).trimmed();
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    // A label with a new line must not split the journal's line.
    const QString name = label_.isEmpty()
                             ? QStringLiteral("qm5-control")
                             : QStringLiteral("qm5-control (%1)")
                                   .arg(QString::fromStdString(escapedName(label_.toStdString())));
    std::fprintf(stderr, "%s: %s\n", qPrintable(name), qPrintable(line));
    std::fflush(stderr);
    // Closed as soon as it is told, but not under the handler that opened it.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [&events] { events.onMessageBoxClosed(); },
        Qt::QueuedConnection);
}

}  // namespace qm5
