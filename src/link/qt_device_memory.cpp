// SPDX-License-Identifier: MIT
#include "link/qt_device_memory.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>

namespace qm5 {

namespace {

QString keyFor(int port) {
    return QStringLiteral("devices/%1").arg(QString::fromStdString(portLabel(port)));
}

}  // namespace

QtDeviceMemory::QtDeviceMemory()
    : file_(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
            QStringLiteral("/qm5-control/qm5-control.ini")) {}

std::optional<std::string> QtDeviceMemory::recall(int port) const {
    const QSettings settings(file_, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError) return std::nullopt;
    const QString device = settings.value(keyFor(port)).toString();
    if (device.isEmpty()) return std::nullopt;
    return device.toStdString();
}

std::optional<std::string> QtDeviceMemory::remember(int port, const std::string& device) {
    QSettings settings(file_, QSettings::IniFormat);
    settings.setValue(keyFor(port), QString::fromStdString(device));
    settings.sync();
    if (settings.status() == QSettings::NoError) return std::nullopt;
    return QCoreApplication::translate("DeviceMemory", "%1 cannot be written")
        .arg(file_)
        .toStdString();
}

}  // namespace qm5
