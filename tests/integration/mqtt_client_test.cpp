// SPDX-License-Identifier: MIT
// The MQTT client against Debian's mosquitto on loopback: availability with its last will, the
// broker gone and back, an MQTT 5 request answered, and payloads that are no command of ours.
#include <gtest/gtest.h>

#include <QTest>

#include <memory>
#include <vector>

#include "mqtt/mqtt_client.h"
#include "support/broker_process.h"

namespace qm5::test {
namespace {

/// A client with what it heard.
struct Heard final : MqttEvents {
    void onBrokerConnected() override { ++connections; }
    void onBrokerMessage(const MqttMessage& message) override { messages.push_back(message); }
    void onBrokerTrouble(const QString& why) override { troubles << why; }
    /// The last payload on `topic`, if any came.
    QByteArray last(const QString& topic) const {
        for (auto message = messages.rbegin(); message != messages.rend(); ++message) {
            if (message->topic == topic) return message->payload;
        }
        return {};
    }
    int connections = 0;
    std::vector<MqttMessage> messages;
    QStringList troubles;
};

struct MqttClientTest : ::testing::Test {
    std::unique_ptr<MqttClient> client(const QString& id, Heard& heard) {
        MqttSettings settings{{false, {}, QStringLiteral("localhost"), broker.port()},
                              {},
                              id,
                              QStringLiteral("qm5-test/%1/availability").arg(id)};
        auto made = std::make_unique<MqttClient>(settings, heard);
        made->start();
        EXPECT_TRUE(QTest::qWaitFor([&] { return made->connected(); }, kWaitMs));
        return made;
    }

    BrokerProcess broker;
    Heard watcher;
    std::unique_ptr<MqttClient> watching = client(QStringLiteral("watcher"), watcher);
};

TEST_F(MqttClientTest, isOnlineWhileConnectedAndOfflineWhenStoppedOrGone) {
    watching->subscribe(QStringLiteral("qm5-test/+/availability"));
    const QString stopped = QStringLiteral("qm5-test/stopped/availability");
    const QString killed = QStringLiteral("qm5-test/killed/availability");
    Heard a, b;
    auto politely = client(QStringLiteral("stopped"), a);
    auto abruptly = client(QStringLiteral("killed"), b);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return watcher.last(stopped) == "online" && watcher.last(killed) == "online"; },
        kWaitMs));
    politely->stop();
    // Destroyed without a word: the broker publishes its last will.
    abruptly.reset();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return watcher.last(stopped) == "offline" && watcher.last(killed) == "offline"; },
        kWaitMs));
}

/// The broker stopped and started again: told once, tried again within the bound, online again.
TEST_F(MqttClientTest, comesBackWithTheBroker) {
    Heard heard;
    auto served = client(QStringLiteral("served"), heard);
    broker.stop();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !served->connected(); }, kWaitMs));
    QTest::qWait(2500);  // two tries go unanswered
    broker.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return served->connected(); },
                                static_cast<int>(MqttClient::kRetryAtMost.count()) * 1000 + 2000));
    EXPECT_EQ(heard.connections, 2);
    EXPECT_EQ(heard.troubles.size(), 1) << heard.troubles.join('\n').toStdString();
}

/// A request's answer goes to its response topic with its correlation data; a payload past the
/// bound is dropped unread.
TEST_F(MqttClientTest, answersARequestAndDropsAnOversizedPayload) {
    Heard served;
    auto service = client(QStringLiteral("service"), served);
    service->subscribe(QStringLiteral("qm5-test/service/send"));
    watching->subscribe(QStringLiteral("qm5-test/answers"));
    QTest::qWait(100);  // both subscriptions in place
    const QString send = QStringLiteral("qm5-test/service/send");
    watching->publish(send, QByteArray(MqttClient::kLongestPayload + 1, 'x'), false);
    watching->publish(send, "power-on", false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !served.messages.empty(); }, kWaitMs));
    ASSERT_EQ(served.messages.size(), 1U);
    MqttMessage request = served.messages.front();
    EXPECT_EQ(request.payload, "power-on");
    request.responseTopic = QStringLiteral("qm5-test/answers");
    request.correlationData = "42";
    service->answer(request, "{}");
    ASSERT_TRUE(QTest::qWaitFor([&] { return watcher.last("qm5-test/answers") == "{}"; }, kWaitMs));
    EXPECT_EQ(watcher.messages.back().correlationData, "42");
    // A response topic no one may publish to is refused, and the connection stays.
    for (const char* wildcard : {"x/#", "x/+/y", ""}) {
        request.responseTopic = QLatin1String(wildcard);
        EXPECT_FALSE(service->answer(request, "{}")) << wildcard;
    }
    QTest::qWait(200);
    EXPECT_TRUE(service->connected());
    EXPECT_TRUE(served.troubles.isEmpty());
}

}  // namespace
}  // namespace qm5::test
