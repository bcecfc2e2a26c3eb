// SPDX-License-Identifier: MIT
#include "service/service_settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include "app/option_table.h"

namespace qm5 {

namespace {

/// A value as it stands on its line: the INI format reads "Hall B, left" as a list.
QString textOf(const QSettings& settings, const QString& key, const QString& otherwise = {}) {
    const QVariant value = settings.value(key, otherwise);
    if (value.metaType().id() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString().trimmed();
}

/// The broker's keys, read as their options are, in the options' order.
std::optional<QString> readBrokerSettings(const QSettings& settings, CommandLine& commandLine) {
    for (const Option& option : programOptions()) {
        const QString key = QLatin1String(option.name);
        if (!key.startsWith(QStringLiteral("mqtt")) && key != QStringLiteral("poll")) continue;
        if (!settings.contains(key)) continue;
        QString value = textOf(settings, key);
        // Under systemd the working folder is /: a file named beside the settings is meant.
        if (key == QStringLiteral("mqtt-password-file") && QFileInfo(value).isRelative())
            value = QFileInfo(settings.fileName()).dir().filePath(value);
        if (auto refused = option.read(commandLine, value)) {
            //: %1 is the settings file, %2 what is wrong.
            return QCoreApplication::translate("ServiceSettings", "%1: %2")
                .arg(settings.fileName(), *refused);
        }
    }
    return std::nullopt;
}

/// The first key no option knows: a typo must not drop a password without a word.
std::optional<QString> unknownKey(const QSettings& settings) {
    QStringList known{QStringLiteral("device"), QStringLiteral("port"), QStringLiteral("label"),
                      QStringLiteral("log")};
    for (const Option& option : programOptions()) {
        const QString key = QLatin1String(option.name);
        if (key.startsWith(QStringLiteral("mqtt")) || key == QStringLiteral("poll")) known << key;
    }
    for (const QString& key : settings.allKeys()) {
        if (!known.contains(key)) return key;
    }
    return std::nullopt;
}

}  // namespace

std::optional<QString> readServiceSettings(CommandLine& commandLine) {
    if (commandLine.configFile.isEmpty()) return std::nullopt;
    const QString& file = commandLine.configFile;
    // QSettings makes a missing file silently: a typo in the unit must not serve another port.
    // A settings file is a few lines; anything larger is no settings file of ours.
    constexpr qint64 kLongestFile = 64 * 1024;
    const QFileInfo info(file);
    if (!info.isFile() || !info.isReadable() || info.size() > kLongestFile) {
        //: %1 is the settings file.
        return QCoreApplication::translate("ServiceSettings",
                                           "the settings file %1 cannot be read.")
            .arg(file);
    }
    const QSettings settings(file, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError) {
        return QCoreApplication::translate("ServiceSettings",
                                           "the settings file %1 is not key=value lines.")
            .arg(file);
    }
    if (const auto key = unknownKey(settings)) {
        //: %1 is the settings file, %2 the key.
        return QCoreApplication::translate("ServiceSettings", "%1: no key '%2'.").arg(file, *key);
    }
    const QString port = textOf(settings, QStringLiteral("port"), QStringLiteral("1"));
    if (port != QStringLiteral("1") && port != QStringLiteral("2")) {
        //: %1 is the settings file, %2 the value found.
        return QCoreApplication::translate("ServiceSettings", "%1: port takes 1 or 2, not '%2'.")
            .arg(file, port);
    }
    if (!commandLine.portGiven) commandLine.port = port.toInt();
    const QString device = textOf(settings, QStringLiteral("device"));
    auto& slot = commandLine.devices[static_cast<std::size_t>(commandLine.port - 1)];
    if (!slot && !device.isEmpty()) slot = device.toStdString();
    if (commandLine.label.isEmpty()) commandLine.label = textOf(settings, QStringLiteral("label"));
    if (commandLine.logFile.isEmpty())
        commandLine.logFile = textOf(settings, QStringLiteral("log"));
    // The command line's --mqtt comes with its own options, in place of the file's.
    if (!commandLine.mqtt) return readBrokerSettings(settings, commandLine);
    return std::nullopt;
}

}  // namespace qm5
