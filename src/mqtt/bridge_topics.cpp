// SPDX-License-Identifier: MIT
#include "mqtt/bridge_topics.h"

namespace qm5 {

BridgeTopics::BridgeTopics(const QString& id)
    : base(QStringLiteral("qm5-control/") + id),
      availability(base + QStringLiteral("/availability")),
      line(base + QStringLiteral("/line")),
      power(base + QStringLiteral("/power")),
      powerSet(power + QStringLiteral("/set")),
      status(base + QStringLiteral("/status")),
      input(base + QStringLiteral("/input")),
      inputSet(input + QStringLiteral("/set")),
      lampHours(base + QStringLiteral("/lamp_hours")),
      send(base + QStringLiteral("/send")),
      sendRaw(base + QStringLiteral("/send-raw")),
      reply(base + QStringLiteral("/reply")) {}

QString BridgeTopics::press(std::string_view commandName) const {
    return base + QLatin1Char('/') +
           QString::fromUtf8(commandName.data(), static_cast<qsizetype>(commandName.size())) +
           QStringLiteral("/press");
}

QString topicLevel(const QString& text) {
    QString level;
    for (const QChar c : text.trimmed().toLower()) {
        const bool kept = (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
                          (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                          c == QLatin1Char('-') || c == QLatin1Char('_');
        // Runs of anything else (spaces, '/', '+', '#', other scripts) become one '_'.
        if (kept) {
            level += c;
        } else if (!level.endsWith(QLatin1Char('_'))) {
            level += QLatin1Char('_');
        }
    }
    return level;
}

}  // namespace qm5
