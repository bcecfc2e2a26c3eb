// SPDX-License-Identifier: MIT
#include "socket/socket_path.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "devices/canonical_device.h"
#include "system/user_name.h"

namespace qm5 {

namespace {

const QLatin1String kSocketPrefix("/qm5-control-");
constexpr qsizetype kHashLength = 16;
// A local socket's path, less its final zero: sockaddr_un holds 108 bytes on Linux, 104 on BSD.
#ifdef Q_OS_LINUX
constexpr qsizetype kLongestSocketPath = 107;
#else
constexpr qsizetype kLongestSocketPath = 103;
#endif

/// As `ls -l` would give it in octal: 0777.
QString modeOf(const QFileInfo& folder) {
    const auto bits = static_cast<unsigned>(folder.permissions());
    // Qt's owner, group and other flags are hexadecimal digits 0x1000, 0x10 and 0x1 apart.
    const unsigned mode = ((bits >> 12) & 7U) << 6 | ((bits >> 4) & 7U) << 3 | (bits & 7U);
    return QStringLiteral("0") + QString::number(mode, 8);
}

/// The folder Qt tried last: XDG_RUNTIME_DIR, or its own fallback.
QString folderTried() {
    const QString set = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!set.isEmpty()) return set;
    return QDir::tempPath() + QStringLiteral("/runtime-") + userName();
}

QString withFix(const QString& why) {
    //: %1 is a shell command line; keep it as it is.
    return why + QLatin1Char(' ') +
           QCoreApplication::translate(
               "SocketPath",
               "Set XDG_RUNTIME_DIR to a folder of the user's own with mode 700, "
               "e.g. %1.")
               .arg(QStringLiteral("XDG_RUNTIME_DIR=/run/user/$(id -u)"));
}

QString refusalOf(const QString& folder) {
    const QFileInfo info(folder);
    QString why;
    if (info.isSymLink()) {
        why = QCoreApplication::translate(
            "SocketPath", "the runtime folder %1 is a symbolic link, which Qt does not take.");
    } else if (!info.exists()) {
        why = QCoreApplication::translate("SocketPath",
                                          "the runtime folder %1 is not there and cannot be made.");
    } else if (!info.isDir()) {
        why = QCoreApplication::translate("SocketPath", "the runtime folder %1 is not a folder.");
    } else if (info.owner() != userName()) {
        //: %1 is the folder, %2 its owner, %3 the user running the program.
        why = QCoreApplication::translate("SocketPath",
                                          "the runtime folder %1 belongs to %2, not to %3.");
        return withFix(why.arg(folder, info.owner(), userName()));
    } else {
        // The user's own folder: a chmod mends it where it is.
        //: %1 is the folder, %2 its mode (0777), %3 a shell command line; keep it as it is.
        return QCoreApplication::translate(
                   "SocketPath",
                   "the runtime folder %1 has mode %2, and Qt takes only 700: %3 mends it.")
            .arg(folder, modeOf(info), QStringLiteral("chmod 700 ") + folder);
    }
    return withFix(why.arg(folder));
}

}  // namespace

SocketFolder socketFolder() {
    // Qt checks the folder, warns and gives nothing when it is not the user's own, mode 0700.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) return {{}, refusalOf(folderTried())};
    const QString longest = folder + kSocketPrefix + QString(kHashLength, QLatin1Char('0'));
    if (QFile::encodeName(longest).size() <= kLongestSocketPath) return {folder, {}};
    //: %1 is the folder, %2 the most bytes a local socket's path may have.
    const QString tooLong = QCoreApplication::translate(
        "SocketPath",
        "the runtime folder %1 is too long: the path of a socket in it would pass the %2 bytes "
        "allowed.");
    return {{}, withFix(tooLong.arg(folder, QString::number(kLongestSocketPath)))};
}

QString panelSocketPath(std::string_view device) {
    const QString folder = socketFolder().path;
    if (folder.isEmpty()) return {};
    return socketPathIn(folder, device);
}

QString socketPathIn(const QString& folder, std::string_view device) {
    const QByteArray hash =
        QCryptographicHash::hash(canonicalDevice(device).toUtf8(), QCryptographicHash::Sha256);
    return folder + kSocketPrefix + QString::fromLatin1(hash.toHex().left(kHashLength));
}

QStringList servicesSocketPaths(std::string_view device, const QString& services) {
    // A folder another user could write in could hold a socket that plays the service.
    const auto trusted = [](const QFileInfo& folder, bool rootOnly) {
        const bool othersWrite = folder.permissions().testFlag(QFile::WriteOther);
        const bool groupWrites = folder.permissions().testFlag(QFile::WriteGroup);
        return folder.isDir() && !folder.isSymLink() && !othersWrite && !groupWrites &&
               (!rootOnly || folder.ownerId() == 0);
    };
    QStringList paths;
    if (!trusted(QFileInfo(services), true)) return paths;
    for (const QFileInfo& folder :
         QDir(services).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (!trusted(folder, false)) continue;
        const QString path = socketPathIn(folder.filePath(), device);
        if (QFileInfo::exists(path)) paths << path;
    }
    return paths;
}

}  // namespace qm5
