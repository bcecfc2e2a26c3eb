// SPDX-License-Identifier: MIT
#include "devices/serial_devices.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSerialPortInfo>

#include <algorithm>

#include "devices/canonical_device.h"

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

namespace {

bool lockedByALiveProcess(QString device) {
    if (device.startsWith(QStringLiteral("/dev/"))) device.remove(0, 5);
    QFile lock(QStringLiteral("/var/lock/LCK..") + device.replace(QLatin1Char('/'), u'_'));
    constexpr qint64 kLongestPidLine = 64;
    if (!lock.open(QIODevice::ReadOnly)) return false;
    const QList<QByteArray> words = lock.read(kLongestPidLine).simplified().split(' ');
    bool number = false;
    const qint64 pid = words.front().toLongLong(&number);
    return number && pid > 0 && QFileInfo::exists(QStringLiteral("/proc/%1").arg(pid));
}

}  // namespace

OpenDevices openDevices() {
    OpenDevices open;
    // Unsorted, and no look at what each entry names beyond its link: a machine has thousands.
    QDirIterator processes(QStringLiteral("/proc"), QDir::Dirs | QDir::NoDotAndDotDot);
    while (processes.hasNext()) {
        const QString process = processes.next();
        if (!processes.fileName().front().isDigit()) continue;
        QDirIterator files(process + QStringLiteral("/fd"), QDir::AllEntries | QDir::System);
        while (files.hasNext()) {
            const QString target = QFile::symLinkTarget(files.next());
            if (target.startsWith(QStringLiteral("/dev/"))) open.insert(target);
        }
    }
    return open;
}

bool takenByAProcess(std::string_view device, const OpenDevices& open) {
    const QString canonical = canonicalDevice(device);
    // The terminal of the session that started the program: the operator's own.
    if (canonical == QStringLiteral("/dev/tty")) return true;
    return open.contains(canonical) || lockedByALiveProcess(canonical);
}

}  // namespace qm5
