// SPDX-License-Identifier: MIT
// qm5-control --serve --mqtt with Debian's mosquitto, its clients acting as Home Assistant.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <optional>

#include "projector_process.h"
#include "support/broker_process.h"
#include "support/started_process.h"
#include "support/wait.h"

namespace qm5::test {
namespace {

/// A state as the watcher prints it: published retained, under the projector's base topic.
const QString kState = QStringLiteral("1 qm5-control/hall_b/");

/// The service on a virtual projector behind a link, and a watcher printing every message but
/// the scripts' requests as "RETAINED TOPIC PAYLOAD", the retained flag as published.
struct MqttServiceTest : ::testing::Test {
    MqttServiceTest() {
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder.path());
        environment.insert(QStringLiteral("LANG"), QStringLiteral("C"));
        environment.remove(QStringLiteral("DISPLAY"));
        watcher.start("mosquitto_sub",
                      client("-V 5 --retain-as-published -t # -T qm5-control/hall_b/send -F")
                          << "%r %t %p");
    }
    ~MqttServiceTest() override {
        watcher.kill();
        watcher.waitForFinished(kWaitMs);
    }
    /// A mosquitto client's options: the broker's, then `more` split at spaces.
    QStringList client(const QString& more) const {
        return QStringList{"-h", "127.0.0.1", "-p", QString::number(broker.port())} +
               more.split(' ');
    }
    /// Started with a projector of these options (none: the one running), every state published.
    void startService(const QStringList& projectorOptions = {}) {
        if (!projector) projector.emplace(QStringList{"--link", link} + projectorOptions);
        const qsizetype from = lines().size();
        service.setProcessEnvironment(environment);
        service.start(QM5_CONTROL_BINARY, {"--serve", "--com1", link, "--label", "Hall B", "--mqtt",
                                           "mqtt://127.0.0.1:" + QString::number(broker.port())});
        started = StartedProcess(service);
        ASSERT_EQ(missingState(from), "");
    }
    /// The first state not published (again) from the watcher's line `from` on, if any.
    std::string missingState(qsizetype from, int ms = kWaitMs) {
        for (const char* state : {"availability online", "line online", "status Stand by",
                                  "power OFF", "input INPUT SELECT 1", "lamp_hours 0"})
            if (!comes(kState + state, from, ms)) return state;
        return {};
    }
    /// SIGTERM: status 0, offline published.
    void end() {
        const qsizetype from = lines().size();
        ASSERT_TRUE(started.signal(SIGTERM));
        ASSERT_TRUE(service.waitForFinished(kWaitMs));
        EXPECT_EQ(service.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(service.exitCode(), 0);
        EXPECT_TRUE(comes(kState + "availability offline", from));
    }
    const QStringList& lines() {
        while (watcher.canReadLine()) got << QString::fromUtf8(watcher.readLine()).chopped(1);
        return got;
    }
    /// Whether a line starting with `start` comes, from the watcher's line `from` on.
    bool comes(const QString& start, qsizetype from = 0, int ms = kWaitMs) {
        const QRegularExpression line(QRegularExpression::escape(start) + ".*");  // whole lines
        return QTest::qWaitFor([&] { return lines().indexOf(line, from) >= 0; }, ms);
    }
    /// mosquitto_pub: stdin as one message (-s) or a message a line (-l).
    void publish(const QString& topic, const QByteArray& payload, const char* mode = "-s") {
        QProcess pub;
        pub.start("mosquitto_pub", client("-t " + topic + ' ' + mode));
        pub.write(payload);
        pub.closeWriteChannel();
        ASSERT_TRUE(pub.waitForFinished(kWaitMs));
        EXPECT_EQ(pub.exitCode(), 0);
    }

    BrokerProcess broker;
    const QTemporaryDir runtime;
    const QTemporaryDir folder;
    const QString link = folder.filePath(QStringLiteral("hall-b"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    std::optional<ProjectorProcess> projector;
    QProcess watcher;
    QStringList got;
    QProcess service;
    StartedProcess started;
};

/// What Home Assistant requires of each entity type, on every entity; its birth brings all again.
TEST_F(MqttServiceTest, announcesWhatHomeAssistantRequiresAndAgainAtItsBirth) {
    startService();
    const QHash<QString, QStringList> required{{"switch", {"command_topic", "state_topic"}},
                                               {"select", {"command_topic", "options"}},
                                               {"button", {"command_topic"}},
                                               {"sensor", {"state_topic"}},
                                               {"binary_sensor", {"state_topic"}}};
    const auto retained = [&](const QString& topic) { return comes("1 " + topic + ' ', 0, 0); };
    QSet<QString> ids;
    for (const QString& line : QStringList(lines())) {
        const QString topic = line.section(' ', 1, 1);
        if (!topic.startsWith("homeassistant/")) continue;
        SCOPED_TRACE(topic.toStdString());
        EXPECT_TRUE(line.startsWith("1 "));
        const QJsonObject config = QJsonDocument::fromJson(line.section(' ', 2).toUtf8()).object();
        for (const QString& key : required.value(topic.section('/', 1, 1), {"a known type"}))
            EXPECT_TRUE(config.contains(key)) << key.toStdString();
        const QString state = config["state_topic"].toString();
        EXPECT_TRUE(state.isEmpty() || retained(state));
        const QString id = config["unique_id"].toString();
        EXPECT_TRUE(!id.isEmpty() && !ids.contains(id)) << "unique_id " << id.toStdString();
        ids.insert(id);
        EXPECT_FALSE(config["device"]["identifiers"].toArray().isEmpty());
        EXPECT_EQ(config["availability_mode"].toString(), "all");
        EXPECT_FALSE(config["availability"].toArray().isEmpty());
        for (const auto& entry : config["availability"].toArray()) {
            // Retained, and never the entity's own state: the line's entity stays available.
            const QString by = entry.toObject()["topic"].toString();
            EXPECT_TRUE(retained(by) && by != state) << by.toStdString();
        }
    }
    EXPECT_GE(ids.size(), 6);

    // Answered at most every 10 s: told again each second until then.
    const qsizetype from = lines().size();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            publish("homeassistant/status", "online");
            return comes("1 homeassistant/switch/hall_b/power/config ", from, 1000);
        },
        10000 + kWaitMs));
    EXPECT_TRUE(comes("1 homeassistant/binary_sensor/hall_b/line/config ", from));
    end();
}

/// ON from the command on while it counts down, never OFF before Power ON.
TEST_F(MqttServiceTest, showsThePowerOnFromTheCountDownOn) {
    startService({"--warm-up", "3"});
    const qsizetype from = lines().size();
    publish("qm5-control/hall_b/power/set", "ON");
    ASSERT_TRUE(comes(kState + "status Power ON", from, 3000 + kWaitMs));
    QStringList shown = lines().mid(from).filter(QRegularExpression("/(status|power) "));
    shown.replaceInStrings(kState, QString());
    EXPECT_EQ(shown.join(", ").toStdString(), "status Count down, power ON, status Power ON");
    EXPECT_NE(projector->log().find(" C00\\r"), std::string::npos) << projector->log();
    end();
}

/// A broker restarted without persistence gets every state again; a service that stops
/// answering, or is killed, leaves its last will.
TEST_F(MqttServiceTest, comesBackToTheBrokerAndLeavesItsWillWhenStoppedOrKilled) {
    startService();
    qsizetype from = lines().size();
    broker.stop();
    broker.start();
    EXPECT_EQ(missingState(from, 5000 + kWaitMs), "");

    from = lines().size();
    ASSERT_TRUE(started.signal(SIGSTOP));
    EXPECT_TRUE(comes(kState + "availability offline", from, 15000 + kWaitMs));
    ASSERT_TRUE(started.signal(SIGCONT));
    EXPECT_TRUE(comes(kState + "availability online", from));
    end();

    startService();
    from = lines().size();
    ASSERT_TRUE(started.signal(SIGKILL));
    EXPECT_TRUE(comes(kState + "availability offline", from));
}

/// A pulled line is offline; a projector on the same link is online and asked everything again.
TEST_F(MqttServiceTest, followsTheLinePulledAndReturned) {
    startService();
    const qsizetype from = lines().size();
    projector.reset();
    EXPECT_TRUE(comes(kState + "line offline", from));
    // Refused at once while the line is away, and not sent once it is back.
    publish("qm5-control/hall_b/send", "power-on");
    EXPECT_TRUE(comes("0 qm5-control/hall_b/reply {\"device\"", from));
    EXPECT_TRUE(lines().filter("\"errorCode\":\"missing\"").size() == 1);
    projector.emplace(QStringList{"--link", link, "--lamp-hours", "7"});
    EXPECT_TRUE(comes(kState + "line online", from));
    EXPECT_TRUE(comes(kState + "lamp_hours 7", from));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return projector->log().find(" CR0\\r") != std::string::npos; }, kWaitMs));
    EXPECT_EQ(projector->log().find(" C00"), std::string::npos);
    end();
    // Told as the bridge's notice, which a flood cannot multiply, not as a warning each.
    EXPECT_TRUE(service.readAllStandardError().contains("MQTT: ignored: the line is not open"));
}

/// 100 presses and junk, on a projector that replies 150 ms late: each frame after the reply to
/// the last, at most 8 presses, nothing for the junk, a script still answered on its response
/// topic, the notices few and escaped.
TEST_F(MqttServiceTest, takesAFloodInTurnIgnoresJunkAndStillAnswers) {
    startService({"--delay", "150"});
    publish("qm5-control/hall_b/power/set", QByteArray("\0\n\x1b[2J\xff\n", 8));
    publish("qm5-control/hall_b/audio-mute-on/press", QByteArray("PRESS\n").repeated(100), "-l");
    publish("qm5-control/hall_b/send", "status" + QByteArray(1 << 20, ' '));  // over 512 bytes
    publish("qm5-control/hall_b/nothing/press", "PRESS");
    publish("qm5-control/hall_b/power/set", "MAYBE");
    const auto presses = [&] { return QString::fromStdString(projector->log()).count(" C0B"); };
    ASSERT_TRUE(QTest::qWaitFor([&] { return presses() >= 8; }, kWaitMs));  // room in the queue
    QProcess ask;
    ask.start("mosquitto_rr", client("-t qm5-control/hall_b/send -e answers/1 -m status -W 8 "
                                     "-D publish correlation-data c-1 -F")
                                  << "%D %p");
    ASSERT_TRUE(ask.waitForFinished(2 * kWaitMs));
    const QByteArray answer = ask.readAllStandardOutput();
    ASSERT_TRUE(answer.startsWith("c-1 ")) << answer.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(answer.mid(4)).object();
    EXPECT_EQ(json["sent"].toString(), "CR0");
    EXPECT_EQ(json["status"].toString(), "Stand by");

    EXPECT_LE(presses(), 8);  // the one on the line counted among the 8
    double last = 0;
    for (const QString& line : QString::fromStdString(projector->log()).split('\n')) {
        const QString frame = line.section(' ', 1);
        if (frame.isEmpty() || frame.startsWith("line ")) continue;
        EXPECT_TRUE(QRegularExpression("^(C0B|CR0|CR1|CR3)\\\\r$").match(frame).hasMatch())
            << line.toStdString();
        EXPECT_GE(line.section(' ', 0, 0).toDouble() - last, 0.149) << line.toStdString();
        last = line.section(' ', 0, 0).toDouble();
    }
    EXPECT_TRUE(lines().filter(" qm5-control/hall_b/reply ").isEmpty());  // the oversized request
    end();
    const QString err = QString::fromUtf8(service.readAllStandardError());
    EXPECT_TRUE(err.contains("ignored: ") && err.count('\n') <= 3) << err.toStdString();
    EXPECT_FALSE(err.contains(QRegularExpression("[\\x00-\\x09\\x0b-\\x1f\\x7f]")));
}

}  // namespace
}  // namespace qm5::test
