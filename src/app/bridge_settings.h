// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>
#include <variant>

#include "app/command_line.h"
#include "mqtt/mqtt_bridge.h"

namespace qm5 {

/// How the panel or the service joins the broker that --mqtt names (none without --mqtt): the
/// password read from its file or the environment, the projector's id and name. Or why it cannot.
std::variant<std::optional<BridgeSettings>, QString> bridgeSettings(const CommandLine& commandLine);

/// The projector's topic level: --mqtt-id's, or the label's, or the host's and the port's; one
/// of other letters only is named by its hash, the same at every start.
QString bridgeId(const QString& given, const QString& label, int port);

/// The longest id: the topics stay far below the broker's bound.
inline constexpr qsizetype kLongestId = 64;

}  // namespace qm5
