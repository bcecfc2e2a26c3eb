// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <string_view>

namespace qm5 {

/// Where one projector's states and commands live, under its base topic qm5-control/<id>/.
/// States are retained, commands are not.
struct BridgeTopics {
    explicit BridgeTopics(const QString& id);

    QString base;
    /// The program's "online" or "offline"; offline is its last will.
    QString availability;
    /// The line's "online" or "offline".
    QString line;
    /// "ON" while the projector is on or counting down, else "OFF"; set with "ON" or "OFF".
    QString power;
    QString powerSet;
    /// The status words: "Power ON", "Stand by"...
    QString status;
    /// The input selection button last chosen, or the first of the input in use.
    QString input;
    QString inputSet;
    QString lampHours;
    /// A script's command name or code, or a raw frame; answered on `reply` or the request's
    /// response topic.
    QString send;
    QString sendRaw;
    QString reply;

    /// A one-shot command's button: "PRESS" sends it.
    QString press(std::string_view commandName) const;
};

/// `text` as a topic level and an identifier: lower-case letters, digits, '-' and '_'.
QString topicLevel(const QString& text);

/// Home Assistant's birth topic, whatever the discovery prefix.
inline const QString kHomeAssistantStatus = QStringLiteral("homeassistant/status");

}  // namespace qm5
