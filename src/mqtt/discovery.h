// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <string_view>
#include <vector>

#include "mqtt/bridge_topics.h"

namespace qm5 {

/// The projector as Home Assistant's MQTT discovery shows it.
struct DiscoveredDevice {
    QString id;
    /// The label, or the id.
    QString name;
    QString version;
    QString prefix = QStringLiteral("homeassistant");
};

/// One entity's discovery message: retained on its config topic.
struct DiscoveryMessage {
    QString topic;
    QByteArray payload;
};

/// An option of the input select: its button's caption and the input it selects.
struct InputOption {
    std::string_view code;
    int input;
    QString caption;
};

/// Every input selection button, in the panel's order.
const std::vector<InputOption>& inputOptions();

/// The option that sends `code`, if one does.
const InputOption* inputOptionOf(std::string_view code);

/// The first option of `input`, the one its query's reply names.
const InputOption* firstOptionOf(int input);

/// Whether `code` has a button of its own: every one-shot command but the power's and the
/// inputs', which the switch and the select send.
bool announcedAsButton(std::string_view code);

/// Every entity: the power switch, the power state, the input, the lamp hours, the line, and a
/// button for each other one-shot command, the less common ones disabled at first. Each depends
/// on the program's availability and the line's, but the line's own entity, which says it is away.
std::vector<DiscoveryMessage> discoveryMessages(const DiscoveredDevice& device,
                                                const BridgeTopics& topics);

}  // namespace qm5
