// SPDX-License-Identifier: MIT
#include "mqtt/mqtt_url.h"

#include <QCoreApplication>
#include <QUrl>

namespace qm5 {

std::variant<MqttUrl, QString> parseMqttUrl(const QString& text) {
    const QUrl url(text, QUrl::StrictMode);
    const auto wrong = [&](const char* why) -> std::variant<MqttUrl, QString> {
        // Never shown back: a password given by mistake would reach the journal.
        const QString shown = url.isValid() ? url.toString(QUrl::RemovePassword) : text;
        //: %1 is the URL given, %2 what is wrong with it.
        return QCoreApplication::translate("MqttUrl", "%1 names no broker: %2")
            .arg(shown, QCoreApplication::translate("MqttUrl", why));
    };
    MqttUrl broker;
    if (url.scheme() == QStringLiteral("mqtts")) {
        broker.tls = true;
        broker.port = 8883;
    } else if (url.scheme() != QStringLiteral("mqtt")) {
        return wrong(QT_TRANSLATE_NOOP("MqttUrl", "it begins with mqtt:// or mqtts://."));
    }
    if (!url.isValid() || url.host().isEmpty()) {
        return wrong(QT_TRANSLATE_NOOP("MqttUrl", "the form is mqtt://[USER@]HOST[:PORT]."));
    }
    if (!url.password().isEmpty()) {
        return wrong(QT_TRANSLATE_NOOP("MqttUrl",
                                       "a password on the command line is seen by every user; "
                                       "give it with --mqtt-password-file or QM5_MQTT_PASSWORD."));
    }
    if (!url.path().isEmpty() || url.hasQuery() || url.hasFragment()) {
        return wrong(QT_TRANSLATE_NOOP("MqttUrl", "it has nothing after HOST[:PORT]."));
    }
    broker.user = url.userName();
    broker.host = url.host();
    broker.port = url.port(broker.port);
    if (broker.port < 1) return wrong(QT_TRANSLATE_NOOP("MqttUrl", "the port is 1 to 65535."));
    return broker;
}

}  // namespace qm5
