// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <variant>

namespace qm5 {

/// Where the broker is: mqtt://[USER@]HOST[:PORT], or mqtts:// over TLS with the system's
/// certificate authorities.
struct MqttUrl {
    bool tls = false;
    QString user;
    QString host;
    int port = 1883;
};

/// The broker `text` names, or why it names none (no password: that comes from a file or the
/// environment, never the command line, where any user's ps shows it).
std::variant<MqttUrl, QString> parseMqttUrl(const QString& text);

}  // namespace qm5
