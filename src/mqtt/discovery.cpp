// SPDX-License-Identifier: MIT
#include "mqtt/discovery.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <array>

#include "panel/commands.h"
#include "panel/one_shot_buttons.h"

namespace qm5 {

namespace {

struct InputCode {
    std::string_view code;
    int input;
};

constexpr std::array kInputCodes{
    InputCode{"C05", 1}, InputCode{"C06", 2}, InputCode{"C07", 2}, InputCode{"C08", 3},
    InputCode{"C23", 2}, InputCode{"C24", 2}, InputCode{"C25", 2}, InputCode{"C26", 3},
};

/// Sent by the power switch and the input select, not by buttons of their own.
constexpr std::array<std::string_view, 2> kPowerCodes{"C00", "C02"};

/// The buttons shown at first; the rest wait to be enabled.
constexpr std::array<std::string_view, 6> kCommonCodes{"C0B", "C0C", "C0D", "C0E", "C43", "C44"};

template <std::size_t N>
bool among(const std::array<std::string_view, N>& codes, std::string_view code) {
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

QString text(std::string_view chars) {
    return QString::fromUtf8(chars.data(), static_cast<qsizetype>(chars.size()));
}

class Builder {
  public:
    Builder(const DiscoveredDevice& device, const BridgeTopics& topics)
        : device_(device), topics_(topics) {}

    void add(const char* component, const QString& object, QJsonObject config,
             bool dependsOnLine = true) {
        config.insert(QStringLiteral("unique_id"),
                      QStringLiteral("qm5_%1_%2").arg(device_.id, object));
        config.insert(QStringLiteral("device"), deviceObject());
        config.insert(QStringLiteral("origin"),
                      QJsonObject{{QStringLiteral("name"), QStringLiteral("qm5-control")},
                                  {QStringLiteral("sw_version"), device_.version}});
        QJsonArray availability{QJsonObject{{QStringLiteral("topic"), topics_.availability}}};
        if (dependsOnLine)
            availability.append(QJsonObject{{QStringLiteral("topic"), topics_.line}});
        config.insert(QStringLiteral("availability"), availability);
        config.insert(QStringLiteral("availability_mode"), QStringLiteral("all"));
        messages_.push_back({QStringLiteral("%1/%2/%3/%4/config")
                                 .arg(device_.prefix, QLatin1String(component), device_.id, object),
                             QJsonDocument(config).toJson(QJsonDocument::Compact)});
    }

    std::vector<DiscoveryMessage> take() { return std::move(messages_); }

  private:
    QJsonObject deviceObject() const {
        return {{QStringLiteral("identifiers"),
                 QJsonArray{QStringLiteral("qm5-control_") + device_.id}},
                {QStringLiteral("name"), device_.name},
                {QStringLiteral("sw_version"), device_.version}};
    }

    const DiscoveredDevice& device_;
    const BridgeTopics& topics_;
    std::vector<DiscoveryMessage> messages_;
};

QJsonArray optionCaptions() {
    QJsonArray captions;
    for (const InputOption& option : inputOptions()) captions.append(option.caption);
    return captions;
}

}  // namespace

const std::vector<InputOption>& inputOptions() {
    static const std::vector<InputOption> options = [] {
        std::vector<InputOption> made;
        for (const InputCode& code : kInputCodes) {
            made.push_back({code.code, code.input, text(findCommand(code.code)->label)});
        }
        return made;
    }();
    return options;
}

const InputOption* inputOptionOf(std::string_view code) {
    for (const InputOption& option : inputOptions()) {
        if (option.code == code) return &option;
    }
    return nullptr;
}

const InputOption* firstOptionOf(int input) {
    for (const InputOption& option : inputOptions()) {
        if (option.input == input) return &option;
    }
    return nullptr;
}

bool announcedAsButton(std::string_view code) {
    const auto& buttons = oneShotButtons();
    const bool oneShot =
        std::any_of(buttons.begin(), buttons.end(),
                    [&](const OneShotButton& button) { return button.code == code; });
    return oneShot && !among(kPowerCodes, code) && inputOptionOf(code) == nullptr;
}

std::vector<DiscoveryMessage> discoveryMessages(const DiscoveredDevice& device,
                                                const BridgeTopics& topics) {
    Builder builder(device, topics);
    builder.add("switch", QStringLiteral("power"),
                {{QStringLiteral("name"), QStringLiteral("Power")},
                 {QStringLiteral("state_topic"), topics.power},
                 {QStringLiteral("command_topic"), topics.powerSet},
                 {QStringLiteral("icon"), QStringLiteral("mdi:projector")}});
    builder.add("sensor", QStringLiteral("status"),
                {{QStringLiteral("name"), QStringLiteral("Power state")},
                 {QStringLiteral("state_topic"), topics.status},
                 {QStringLiteral("icon"), QStringLiteral("mdi:projector")}});
    builder.add("select", QStringLiteral("input"),
                {{QStringLiteral("name"), QStringLiteral("Input")},
                 {QStringLiteral("state_topic"), topics.input},
                 {QStringLiteral("command_topic"), topics.inputSet},
                 {QStringLiteral("options"), optionCaptions()}});
    builder.add("sensor", QStringLiteral("lamp_hours"),
                {{QStringLiteral("name"), QStringLiteral("Lamp hours")},
                 {QStringLiteral("state_topic"), topics.lampHours},
                 {QStringLiteral("unit_of_measurement"), QStringLiteral("h")},
                 {QStringLiteral("device_class"), QStringLiteral("duration")},
                 {QStringLiteral("state_class"), QStringLiteral("total_increasing")}});
    builder.add("binary_sensor", QStringLiteral("line"),
                {{QStringLiteral("name"), QStringLiteral("Line")},
                 {QStringLiteral("state_topic"), topics.line},
                 {QStringLiteral("payload_on"), QStringLiteral("online")},
                 {QStringLiteral("payload_off"), QStringLiteral("offline")},
                 {QStringLiteral("device_class"), QStringLiteral("connectivity")},
                 {QStringLiteral("entity_category"), QStringLiteral("diagnostic")}},
                false);
    for (const OneShotButton& button : oneShotButtons()) {
        if (!announcedAsButton(button.code)) continue;
        const Command command = *findCommand(button.code);
        // "_press": the STATUS button and the status sensor are two entities.
        builder.add("button", topicLevel(text(command.name)) + QStringLiteral("_press"),
                    {{QStringLiteral("name"), text(command.label)},
                     {QStringLiteral("command_topic"), topics.press(command.name)},
                     {QStringLiteral("payload_press"), QStringLiteral("PRESS")},
                     {QStringLiteral("enabled_by_default"), among(kCommonCodes, command.code)}});
    }
    return builder.take();
}

}  // namespace qm5
