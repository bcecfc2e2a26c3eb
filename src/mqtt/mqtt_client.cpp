// SPDX-License-Identifier: MIT
#include "mqtt/mqtt_client.h"

#include <QCoreApplication>

#include <mosquitto.h>
#include <mqtt_protocol.h>

#include <algorithm>

namespace qm5 {

namespace {

const QByteArray kOnline = "online";
const QByteArray kOffline = "offline";

/// libmosquitto wants its library started once per process.
void startLibrary() {
    static const int started = mosquitto_lib_init();
    (void)started;
}

QString reasonOf(int result) {
    // Debian's library calls a missed keep-alive "Unknown error".
    if (result == MOSQ_ERR_KEEPALIVE)
        return QCoreApplication::translate("MqttClient", "the broker stopped answering.");
    return QString::fromUtf8(mosquitto_strerror(result));
}

/// Whether `result` means the connection is gone, not that one call was refused (a topic or a
/// payload that a peer chose).
bool connectionGone(int result) {
    switch (result) {
        case MOSQ_ERR_INVAL:
        case MOSQ_ERR_PAYLOAD_SIZE:
        case MOSQ_ERR_MALFORMED_UTF8:
        case MOSQ_ERR_OVERSIZE_PACKET:
        case MOSQ_ERR_QOS_NOT_SUPPORTED:
        case MOSQ_ERR_DUPLICATE_PROPERTY:
        case MOSQ_ERR_NOT_SUPPORTED:
            return false;
        default:
            return result != MOSQ_ERR_SUCCESS;
    }
}

}  // namespace

MqttClient::MqttClient(MqttSettings settings, MqttEvents& events)
    : settings_(std::move(settings)), events_(events) {
    startLibrary();
    mosq_ = mosquitto_new(settings_.clientId.toUtf8().constData(), true, this);
    mosquitto_int_option(mosq_, MOSQ_OPT_PROTOCOL_VERSION, MQTT_PROTOCOL_V5);
    mosquitto_connect_v5_callback_set(mosq_, &MqttClient::onConnect);
    mosquitto_disconnect_v5_callback_set(mosq_, &MqttClient::onDisconnect);
    mosquitto_message_v5_callback_set(mosq_, &MqttClient::onMessage);
    const QByteArray will = settings_.availabilityTopic.toUtf8();
    mosquitto_will_set_v5(mosq_, will.constData(), static_cast<int>(kOffline.size()),
                          kOffline.constData(), 1, true, nullptr);
    if (!settings_.url.user.isEmpty()) {
        mosquitto_username_pw_set(
            mosq_, settings_.url.user.toUtf8().constData(),
            settings_.password.isEmpty() ? nullptr : settings_.password.toUtf8().constData());
    }
    if (settings_.url.tls) {
        mosquitto_int_option(mosq_, MOSQ_OPT_TLS_USE_OS_CERTS, 1);
        mosquitto_tls_set(mosq_, nullptr, nullptr, nullptr, nullptr, nullptr);
    }
    housekeeping_.setInterval(std::chrono::seconds(1));
    connect(&housekeeping_, &QTimer::timeout, this, &MqttClient::onHousekeeping);
    retry_.setSingleShot(true);
    // "At most 5 s apart" holds to the millisecond, not within a coarse timer's 5 %.
    retry_.setTimerType(Qt::PreciseTimer);
    connect(&retry_, &QTimer::timeout, this, &MqttClient::lookUp);
    steady_.setSingleShot(true);
    steady_.setInterval(kSteadyAfter);
    connect(&steady_, &QTimer::timeout, this, &MqttClient::onSteady);
}

MqttClient::~MqttClient() {
    if (lookupId_ >= 0) QHostInfo::abortHostLookup(lookupId_);
    readable_.reset();
    writable_.reset();
    mosquitto_destroy(mosq_);
}

void MqttClient::start() {
    lookUp();
}

void MqttClient::lookUp() {
    if (stopping_) return;
    lookupId_ = QHostInfo::lookupHost(settings_.url.host, this, &MqttClient::onLookedUp);
}

void MqttClient::onLookedUp(const QHostInfo& host) {
    lookupId_ = -1;
    if (host.error() != QHostInfo::NoError || host.addresses().isEmpty()) {
        //: %1 is the broker's host, %2 the system's reason.
        lost(QCoreApplication::translate("MqttClient", "the broker %1 cannot be found: %2")
                 .arg(settings_.url.host, host.errorString()));
        return;
    }
    // Over TLS the certificate names the host, so libmosquitto is given the name and looks it up
    // again: the lookup just made shows that the name server answers. Without TLS the address
    // found is taken as it is.
    const QString address =
        settings_.url.tls ? settings_.url.host : host.addresses().constFirst().toString();
    const int result =
        mosquitto_connect_bind_async(mosq_, address.toUtf8().constData(), settings_.url.port,
                                     static_cast<int>(settings_.keepAlive.count()), nullptr);
    if (result != MOSQ_ERR_SUCCESS) {
        //: %1 is the broker's host and port, %2 the reason.
        lost(QCoreApplication::translate("MqttClient", "the broker %1 cannot be reached: %2")
                 .arg(QStringLiteral("%1:%2").arg(settings_.url.host).arg(settings_.url.port),
                      reasonOf(result)));
        return;
    }
    watchSocket();
}

void MqttClient::watchSocket() {
    const int socket = mosquitto_socket(mosq_);
    if (socket < 0) return;
    readable_ = std::make_unique<QSocketNotifier>(socket, QSocketNotifier::Read);
    writable_ = std::make_unique<QSocketNotifier>(socket, QSocketNotifier::Write);
    connect(readable_.get(), &QSocketNotifier::activated, this, &MqttClient::onReadable);
    connect(writable_.get(), &QSocketNotifier::activated, this, &MqttClient::onWritable);
    writable_->setEnabled(mosquitto_want_write(mosq_));
    housekeeping_.start();
}

void MqttClient::onReadable() {
    checked(mosquitto_loop_read(mosq_, 1));
}

void MqttClient::onWritable() {
    checked(mosquitto_loop_write(mosq_, 1));
}

void MqttClient::onHousekeeping() {
    checked(mosquitto_loop_misc(mosq_));
}

void MqttClient::checked(int result) {
    if (!connectionGone(result)) {
        if (writable_) writable_->setEnabled(mosquitto_want_write(mosq_));
        return;
    }
    // The socket may be gone already: its notifiers go before anything else runs.
    lost(QCoreApplication::translate("MqttClient", "the connection to the broker was lost: %1")
             .arg(reasonOf(result)));
}

void MqttClient::dropSocket() {
    // Perhaps under the notifier's own signal: it goes from the event loop.
    for (auto* notifier : {&readable_, &writable_}) {
        if (!*notifier) continue;
        (*notifier)->setEnabled(false);
        notifier->release()->deleteLater();
    }
}

void MqttClient::lost(const QString& why, bool refused) {
    steady_.stop();
    dropSocket();
    housekeeping_.stop();
    connected_ = false;
    if (stopping_) return;
    mosquitto_disconnect(mosq_);
    tell(why, refused);
    tryAgainLater();
}

void MqttClient::tryAgainLater() {
    if (retry_.isActive()) return;
    retry_.start(nextRetry_);
    nextRetry_ = std::min(nextRetry_ * 2, std::chrono::seconds(kRetryAtMost));
}

void MqttClient::onSteady() {
    nextRetry_ = std::chrono::seconds(1);
    told_ = false;
}

void MqttClient::tell(const QString& why, bool refused) {
    // Once an outage, and again when the broker, away until then, answers with a refusal (the
    // service started before the broker, whose password is wrong): the tries that follow fail
    // alike until the broker is back.
    if (told_ && (!refused || toldRefused_)) return;
    told_ = true;
    toldRefused_ = refused;
    events_.onBrokerTrouble(why);
}

void MqttClient::publish(const QString& topic, const QByteArray& payload, bool retain) {
    if (!connected_) return;
    checked(mosquitto_publish_v5(mosq_, nullptr, topic.toUtf8().constData(),
                                 static_cast<int>(payload.size()), payload.constData(), 1, retain,
                                 nullptr));
}

bool MqttClient::answer(const MqttMessage& request, const QByteArray& payload) {
    const QByteArray topic = request.responseTopic.toUtf8();
    // A topic of the asker's choosing: wildcards, or no topic at all, are answered elsewhere.
    if (topic.isEmpty() ||
        mosquitto_pub_topic_check2(topic.constData(), static_cast<std::size_t>(topic.size())) !=
            MOSQ_ERR_SUCCESS)
        return false;
    if (!connected_) return true;
    mosquitto_property* properties = nullptr;
    if (!request.correlationData.isEmpty()) {
        mosquitto_property_add_binary(&properties, MQTT_PROP_CORRELATION_DATA,
                                      request.correlationData.constData(),
                                      static_cast<uint16_t>(request.correlationData.size()));
    }
    const int result =
        mosquitto_publish_v5(mosq_, nullptr, topic.constData(), static_cast<int>(payload.size()),
                             payload.constData(), 1, false, properties);
    mosquitto_property_free_all(&properties);
    checked(result);
    return true;
}

void MqttClient::subscribe(const QString& topic) {
    if (!connected_) return;
    checked(mosquitto_subscribe_v5(mosq_, nullptr, topic.toUtf8().constData(), 1, 0, nullptr));
}

void MqttClient::stop() {
    if (connected_) {
        const QByteArray topic = settings_.availabilityTopic.toUtf8();
        mosquitto_publish_v5(mosq_, nullptr, topic.constData(), static_cast<int>(kOffline.size()),
                             kOffline.constData(), 1, true, nullptr);
        // Written out before the socket closes: the offline must reach the broker.
        mosquitto_loop_write(mosq_, 8);
    }
    stopping_ = true;
    retry_.stop();
    mosquitto_disconnect(mosq_);
    lost({});
}

void MqttClient::onConnect(mosquitto*, void* self, int result, int, const mqtt5__property*) {
    auto* client = static_cast<MqttClient*>(self);
    if (result != 0) {
        //: %1 is the broker's reason (not authorised, bad user name or password...).
        const QString why =
            QCoreApplication::translate("MqttClient", "the broker refused the connection: %1")
                .arg(QString::fromUtf8(mosquitto_reason_string(result)));
        // Told before the read that follows reports the closed socket instead; the rest runs from
        // the event loop, since libmosquitto is still inside its own call.
        client->tell(why, true);
        QMetaObject::invokeMethod(
            client, [client, why] { client->lost(why, true); }, Qt::QueuedConnection);
        return;
    }
    client->connected_ = true;
    client->steady_.start();
    client->publish(client->settings_.availabilityTopic, kOnline, true);
    client->events_.onBrokerConnected();
}

void MqttClient::onDisconnect(mosquitto*, void* self, int result, const mqtt5__property*) {
    auto* client = static_cast<MqttClient*>(self);
    if (client->stopping_ || result == 0) return;
    // Two copies under one id take the session from each other, again and again.
    const QString why =
        result == MQTT_RC_SESSION_TAKEN_OVER
            ? QCoreApplication::translate("MqttClient",
                                          "another client connected with the same id (%1); give "
                                          "each projector its own --mqtt-id.")
                  .arg(client->settings_.clientId)
            : QCoreApplication::translate("MqttClient", "the connection to the broker was lost: %1")
                  .arg(reasonOf(result));
    client->tell(why);
    QMetaObject::invokeMethod(
        client, [client, why] { client->lost(why); }, Qt::QueuedConnection);
}

void MqttClient::onMessage(mosquitto*, void* self, const ::mosquitto_message* message,
                           const mqtt5__property* properties) {
    auto* client = static_cast<MqttClient*>(self);
    if (message->payloadlen > kLongestPayload) return;
    MqttMessage read;
    read.topic = QString::fromUtf8(message->topic);
    read.payload = QByteArray(static_cast<const char*>(message->payload), message->payloadlen);
    char* responseTopic = nullptr;
    if (mosquitto_property_read_string(properties, MQTT_PROP_RESPONSE_TOPIC, &responseTopic,
                                       false) != nullptr) {
        read.responseTopic = QString::fromUtf8(responseTopic);
        std::free(responseTopic);
    }
    void* correlation = nullptr;
    uint16_t length = 0;
    if (mosquitto_property_read_binary(properties, MQTT_PROP_CORRELATION_DATA, &correlation,
                                       &length, false) != nullptr) {
        read.correlationData = QByteArray(static_cast<const char*>(correlation), length);
        std::free(correlation);
    }
    client->events_.onBrokerMessage(read);
}

}  // namespace qm5
