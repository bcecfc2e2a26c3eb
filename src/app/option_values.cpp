// SPDX-License-Identifier: MIT
#include "app/option_values.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>

namespace qm5 {

QString withHelp(const QString& why) {
    return why + QLatin1Char(' ') +
           QCoreApplication::translate("CommandLine", "Try 'qm5-control --help'.");
}

Refusal readDevice(std::optional<std::string>& device, const char* option, const QString& value) {
    // An empty variable in a script ("--com1 $DEV") must not send to another projector.
    if (value.trimmed().isEmpty()) {
        return withHelp(QCoreApplication::translate("CommandLine", "%1 names no device.")
                            .arg(QLatin1String(option)));
    }
    device = value.toStdString();
    return std::nullopt;
}

QString shown(const QString& value) {
    QString text;
    for (const QChar c : value) {
        const bool control = c.unicode() < 0x20 || c.unicode() == 0x7F;
        text += control ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0')) : c;
    }
    return text;
}

Refusal readSeconds(std::chrono::milliseconds& duration, const char* option, const QString& value,
                    double least, double most) {
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok || !std::isfinite(number) || number < least || number > most) {
        return withHelp(
            QCoreApplication::translate("CommandLine", "%1 takes seconds from %2 to %3, not '%4'.")
                .arg(QLatin1String(option), QString::number(least), QString::number(most),
                     shown(value)));
    }
    duration = std::chrono::milliseconds(std::llround(number * 1000));
    return std::nullopt;
}

Refusal readUntil(CommandLine& commandLine, const QString& value) {
    QStringList names;
    for (const PowerStateName& state : powerStateNames()) {
        if (value == QLatin1String(state.name)) {
            commandLine.until = Waiting{state};
            return std::nullopt;
        }
        names << QLatin1String(state.name);
    }
    return withHelp(QCoreApplication::translate("CommandLine", "--until takes one of %1, not '%2'.")
                        .arg(names.join(QStringLiteral(", ")), shown(value)));
}

namespace {

Refusal withoutMqtt(const char* option) {
    return withHelp(QCoreApplication::translate("CommandLine", "%1 does nothing without --mqtt.")
                        .arg(QLatin1String(option)));
}

}  // namespace

Refusal readMqtt(CommandLine& commandLine, const QString& value) {
    auto url = parseMqttUrl(value.trimmed());
    if (const QString* why = std::get_if<QString>(&url)) return withHelp(*why);
    commandLine.mqtt = MqttOptions{};
    commandLine.mqtt->url = std::get<MqttUrl>(url);
    return std::nullopt;
}

Refusal readMqttText(CommandLine& commandLine, QString MqttOptions::*field, const char* option,
                     const QString& value) {
    if (!commandLine.mqtt) return withoutMqtt(option);
    if (value.trimmed().isEmpty()) {
        return withHelp(
            QCoreApplication::translate("CommandLine", "%1 is empty.").arg(QLatin1String(option)));
    }
    // Topics have a bound; a path or a prefix longer than this is no mistake a user makes.
    constexpr qsizetype kLongest = 1024;
    if (value.size() > kLongest) {
        return withHelp(QCoreApplication::translate("CommandLine", "%1 is over %2 characters.")
                            .arg(QLatin1String(option), QString::number(kLongest)));
    }
    (*commandLine.mqtt).*field = value.trimmed();
    return std::nullopt;
}

Refusal readPoll(CommandLine& commandLine, const QString& value) {
    if (!commandLine.mqtt) return withoutMqtt("--poll");
    std::chrono::milliseconds every{};
    // Projectors asked more often lock up.
    if (auto refused = readSeconds(every, "--poll", value, 2, 86400)) return refused;
    commandLine.mqtt->poll = std::chrono::duration_cast<std::chrono::seconds>(every);
    return std::nullopt;
}

}  // namespace qm5
