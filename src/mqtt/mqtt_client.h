// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QHostInfo>
#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <QTimer>

#include <chrono>
#include <memory>

#include "mqtt/mqtt_url.h"

struct mosquitto;
struct mqtt5__property;
struct mosquitto_message;

namespace qm5 {

/// A message from the broker, with what an MQTT 5 request asks its answer to carry.
struct MqttMessage {
    QString topic;
    QByteArray payload;
    QString responseTopic;
    QByteArray correlationData;
};

/// Told what the broker connection does.
class MqttEvents {
  public:
    virtual ~MqttEvents() = default;
    /// Connected, again or for the first time: a clean session, so subscribe and announce anew.
    virtual void onBrokerConnected() = 0;
    virtual void onBrokerMessage(const MqttMessage& message) = 0;
    /// Why the broker cannot be reached now; told once an outage, until it is reached again.
    virtual void onBrokerTrouble(const QString& why) = 0;
};

/// What the client says of itself and how.
struct MqttSettings {
    MqttUrl url;
    QString password;
    QString clientId;
    /// Retained, and published by the broker as the last will when the client is gone.
    QString availabilityTopic;
    std::chrono::seconds keepAlive{10};
};

/// An MQTT 5 client (libmosquitto) driven from Qt's event loop, without a thread of its own: its
/// socket is watched by socket notifiers and its housekeeping runs on a timer. Whatever the
/// broker does costs the line nothing: a lost connection is tried again, at most kRetryAtMost
/// apart. The host name is looked up by Qt beforehand, so that a slow name server never holds
/// the event loop.
class MqttClient final : public QObject {
  public:
    static constexpr std::chrono::seconds kRetryAtMost{5};
    /// A connection that held this long ends an outage: the next is told, and tried again soon.
    /// One that drops sooner (a broker refusing, a second copy under the same id) is the same
    /// outage, told once.
    static constexpr std::chrono::seconds kSteadyAfter{30};
    /// Longer payloads are no command of ours and are dropped unread.
    static constexpr int kLongestPayload = 512;

    MqttClient(MqttSettings settings, MqttEvents& events);
    ~MqttClient() override;
    MqttClient(const MqttClient&) = delete;
    MqttClient& operator=(const MqttClient&) = delete;

    void start();
    bool connected() const { return connected_; }
    /// QoS 1; retained for states, not for answers. An answer to `request` goes to its response
    /// topic with its correlation data.
    void publish(const QString& topic, const QByteArray& payload, bool retain);
    /// Returns false when the response topic is no topic one may publish to.
    bool answer(const MqttMessage& request, const QByteArray& payload);
    void subscribe(const QString& topic);
    /// Publishes offline and leaves the broker cleanly, so that no last will is needed.
    void stop();

  private:
    void lookUp();
    void onLookedUp(const QHostInfo& host);
    void watchSocket();
    void dropSocket();
    void onReadable();
    void onWritable();
    void onHousekeeping();
    void checked(int result);
    void lost(const QString& why, bool refused = false);
    void tryAgainLater();
    void onSteady();
    void tell(const QString& why, bool refused = false);

    static void onConnect(mosquitto*, void* self, int result, int, const mqtt5__property*);
    static void onDisconnect(mosquitto*, void* self, int result, const mqtt5__property*);
    static void onMessage(mosquitto*, void* self, const ::mosquitto_message* message,
                          const mqtt5__property* properties);

    MqttSettings settings_;
    MqttEvents& events_;
    mosquitto* mosq_ = nullptr;
    std::unique_ptr<QSocketNotifier> readable_;
    std::unique_ptr<QSocketNotifier> writable_;
    QTimer housekeeping_;
    QTimer retry_;
    QTimer steady_;
    std::chrono::seconds nextRetry_{1};
    int lookupId_ = -1;
    bool connected_ = false;
    bool stopping_ = false;
    /// Whether this outage has been told, and its cause.
    bool told_ = false;
    bool toldRefused_ = false;
};

}  // namespace qm5
