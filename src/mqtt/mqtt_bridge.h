// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "core/timer.h"
#include "link/line_queue.h"
#include "mqtt/bridge_topics.h"
#include "mqtt/discovery.h"
#include "mqtt/mqtt_client.h"
#include "mqtt/state_polling.h"

namespace qm5 {

/// How the projector joins the building's broker.
struct BridgeSettings {
    MqttUrl url;
    QString password;
    /// The topic level and identifier of this projector.
    QString id;
    DiscoveredDevice device;
    std::chrono::seconds poll{30};
};

/// Told what the bridge has to say: the broker's outages, payloads ignored.
class BridgeNotices {
  public:
    virtual ~BridgeNotices() = default;
    virtual void onBridgeNotice(const QString& text) = 0;
};

/// The projector on the building's broker: announced to Home Assistant, its state kept in
/// retained topics, its commands taken from theirs. Every frame it sends waits its turn on the
/// line; its commands at most kLongestQueue at once. Anything it did not announce, or a payload
/// that is no known command, option or state, is ignored with one notice.
class MqttBridge final : public QObject,
                         private MqttEvents,
                         private LineAsker,
                         private ProjectorStateListener {
  public:
    static constexpr std::size_t kLongestQueue = 8;
    /// At most one notice of ignored payloads in this time, so that junk cannot flood the log.
    static constexpr std::chrono::seconds kNoticeEvery{10};
    /// Home Assistant's birth is answered at most this often: the configs are retained anyway,
    /// and anyone may publish the birth message over and over.
    static constexpr std::chrono::seconds kAnnounceEvery{10};

    MqttBridge(BridgeSettings settings, LineQueue& line, Timer& powerTimer, Timer& lampTimer,
               BridgeNotices& notices);

    void start() { client_.start(); }
    /// The line and the program offline, the broker left cleanly.
    void stop();
    /// The line opened, or went away: the projector's entities follow.
    void onPortInUse(int port, std::string_view device, bool open);

  private:
    struct Pending {
        std::string text;
        bool raw = false;
        /// From the script topic: answered with the JSON object.
        std::optional<MqttMessage> script;
    };

    void onBrokerConnected() override;
    void onBrokerMessage(const MqttMessage& message) override;
    void onBrokerTrouble(const QString& why) override;
    void onLineAnswer(std::uint64_t ticket, const LineAnswer& answer) override;
    void onPowerState(const std::string& words) override;
    void onInput(int input) override;
    void onLampHours(std::int64_t hours) override;

    /// Discovery, the line and every state known, all retained.
    void announce();
    void publishState(const QString& topic, const QByteArray& payload);
    void onPowerSet(const QByteArray& payload);
    void onInputSet(const QByteArray& payload);
    void onPress(const QString& topic, const QByteArray& payload);
    void onScript(const MqttMessage& message, bool raw);
    /// Queues `pending` for the line; returns why it was not (the line away, the queue full),
    /// noted.
    std::optional<LineRefusal> sendFor(Pending pending);
    void answerScript(const MqttMessage& request, const LineAnswer& answer);
    void ignore(const QString& why);

    BridgeSettings settings_;
    BridgeTopics topics_;
    LineQueue& line_;
    BridgeNotices& notices_;
    MqttClient client_;
    StatePolling polling_;
    std::unordered_map<std::uint64_t, Pending> pending_;
    std::uint64_t lastTicket_ = 0;
    /// The retained states as last published, published again when the broker is back.
    std::unordered_map<QString, QByteArray> states_;
    /// Unknown until the port is first told.
    std::optional<bool> lineOpen_;
    int port_ = 1;
    std::string device_;
    std::chrono::steady_clock::time_point lastNotice_;
    std::optional<std::chrono::steady_clock::time_point> lastAnnounce_;
    bool tellNextConnection_ = true;
    int unnoticed_ = 0;
};

}  // namespace qm5
