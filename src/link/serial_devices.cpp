// SPDX-License-Identifier: MIT
#include "link/serial_devices.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>

#include <algorithm>

namespace qm5 {

std::vector<FoundDevice> findSerialDevices() {
    const QString byId = QStringLiteral("/dev/serial/by-id/");
    const QFileInfoList stableNames = QDir(byId).entryInfoList(QDir::System | QDir::Files);
    std::vector<FoundDevice> found;
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts()) {
        QString path = port.systemLocation();
        for (const QFileInfo& name : stableNames) {
            if (name.canonicalFilePath() == path) path = name.absoluteFilePath();
        }
        QStringList about;
        for (const QString& part : {port.description(), port.manufacturer(), port.serialNumber()}) {
            if (!part.isEmpty()) about << part;
        }
        found.push_back({path.toStdString(), about.join(QStringLiteral(", ")).toStdString()});
    }
    std::stable_partition(found.begin(), found.end(), [&](const FoundDevice& device) {
        return device.path.starts_with(byId.toStdString());
    });
    return found;
}

}  // namespace qm5
