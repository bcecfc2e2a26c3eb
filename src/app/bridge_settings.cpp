// SPDX-License-Identifier: MIT
#include "app/bridge_settings.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include <algorithm>
#include <optional>

namespace qm5 {

namespace {

/// A password is a line; a larger file is no password file.
constexpr qint64 kLongestPasswordFile = 4096;

/// Reads the password's line from `file` into `password`; returns why it cannot, if so.
std::optional<QString> readPassword(const QString& file, QString& password) {
    QFile read(file);
    if (!QFileInfo(file).isFile() || QFileInfo(file).size() > kLongestPasswordFile ||
        !read.open(QIODevice::ReadOnly)) {
        //: %1 is the file given with --mqtt-password-file.
        return QCoreApplication::translate("BridgeSettings", "the password file %1 cannot be read.")
            .arg(file);
    }
    const QByteArray line = read.readAll().split('\n').constFirst();
    password = QString::fromUtf8(line.endsWith('\r') ? line.chopped(1) : line);
    return std::nullopt;
}

}  // namespace

QString bridgeId(const QString& given, const QString& label, int port) {
    const QString wanted =
        !given.isEmpty() ? given
        : !label.isEmpty()
            ? label
            : QStringLiteral("%1-com%2").arg(QSysInfo::machineHostName(), QString::number(port));
    const QString hash = QString::fromLatin1(
        QCryptographicHash::hash(wanted.toUtf8(), QCryptographicHash::Sha1).toHex().left(12));
    // Letters of other scripts would all become '_': "会議室1" and "講堂1" must not share an id.
    const bool otherLetters = std::any_of(wanted.begin(), wanted.end(), [](QChar c) {
        return c.isLetterOrNumber() && c.unicode() > 0x7F;
    });
    const QString level = topicLevel(wanted);
    const bool named =
        std::any_of(level.begin(), level.end(), [](QChar c) { return c.isLetterOrNumber(); });
    if (otherLetters || !named) return QStringLiteral("qm5-") + hash;
    // Topics have a bound, and a long label is still one projector's.
    if (level.size() > kLongestId) return level.left(kLongestId - hash.size() - 1) + '-' + hash;
    return level;
}

std::variant<std::optional<BridgeSettings>, QString> bridgeSettings(
    const CommandLine& commandLine) {
    if (!commandLine.mqtt) return std::nullopt;
    const MqttOptions& options = *commandLine.mqtt;
    BridgeSettings settings;
    settings.url = options.url;
    if (!options.passwordFile.isEmpty()) {
        if (auto why = readPassword(options.passwordFile, settings.password)) return *why;
    } else {
        settings.password = qEnvironmentVariable("QM5_MQTT_PASSWORD");
    }
    settings.id = bridgeId(options.id, commandLine.label, commandLine.port);
    settings.device.id = settings.id;
    settings.device.name = commandLine.label.isEmpty() ? settings.id : commandLine.label;
    settings.device.version = QStringLiteral(QM5_VERSION);
    settings.device.prefix = options.discoveryPrefix;
    settings.poll = options.poll;
    return settings;
}

}  // namespace qm5
