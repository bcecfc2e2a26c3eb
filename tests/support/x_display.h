// SPDX-License-Identifier: MIT
#pragma once

#include <QProcess>
#include <QStringList>
#include <QTest>

#include <string>
#include <string_view>

#include "core/control_table.h"
#include "support/wait.h"

namespace qm5::test {

/// What xdotool printed, trimmed.
inline QString xdotool(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    process.waitForFinished(kWaitMs);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

/// Window ids of the visible top-level windows whose name matches `name`.
inline QStringList windowsNamed(const QString& name) {
    const QString found = xdotool({"search", "--onlyvisible", "--name", name});
    return found.isEmpty() ? QStringList() : found.split(QLatin1Char('\n'));
}

/// Whether a window whose name matches `name` shows within the wait.
inline bool windowShown(const QString& name) {
    return QTest::qWaitFor([&] { return !windowsNamed(name).isEmpty(); }, kWaitMs);
}

/// Moves the pointer onto the middle of a control of the panel's `window`.
inline void pointAt(const QString& window, std::string_view control) {
    const ControlSpec* spec = findControl(control);
    TwipRect rect = spec->geometry;
    if (!spec->container.empty()) {
        rect.left += findControl(spec->container)->geometry.left;
        rect.top += findControl(spec->container)->geometry.top;
    }
    // The window is 9510 twips wide, whatever the screen's pixels per inch.
    const QString width = xdotool({"getwindowgeometry", "--shell", window})
                              .section(QStringLiteral("WIDTH="), 1)
                              .section(QLatin1Char('\n'), 0, 0);
    const double scale = width.toDouble() / 9510.0;
    xdotool({"mousemove", "--window", window,
             QString::number(qRound((rect.left + rect.width / 2.0) * scale)),
             QString::number(qRound((rect.top + rect.height / 2.0) * scale))});
}

/// The lock file QSerialPort keeps for `device` while the line is open.
inline QString lockFileOf(const std::string& device) {
    return QStringLiteral("/run/lock/LCK..") +
           QString::fromStdString(device).mid(5).replace('/', '_');
}

}  // namespace qm5::test
