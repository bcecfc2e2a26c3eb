// SPDX-License-Identifier: MIT
#include "mqtt/mqtt_bridge.h"

#include <QCoreApplication>

#include <utility>

#include "core/failure.h"
#include "core/intervals.h"
#include "link/answer_json.h"
#include "link/frame.h"
#include "link/raw_frame.h"
#include "link/reply_end.h"
#include "link/reply_status.h"
#include "panel/commands.h"

namespace qm5 {

namespace {

const QByteArray kOn = "ON";
const QByteArray kOff = "OFF";
const QByteArray kPress = "PRESS";
constexpr std::string_view kPowerOn = "C00";
constexpr std::string_view kPowerOff = "C02";

/// Whether the power switch shows on: warming up is on, so that no automation sees it as off.
bool switchedOn(const std::string& words) {
    return words == "Power ON" || words == "Count down";
}

QString shownPayload(const QByteArray& payload) {
    // A payload is anybody's bytes: shown short; the notice escapes what is no text.
    constexpr qsizetype kShown = 40;
    return QString::fromUtf8(payload.left(kShown));
}

}  // namespace

MqttBridge::MqttBridge(BridgeSettings settings, LineQueue& line, Timer& powerTimer,
                       Timer& lampTimer, BridgeNotices& notices)
    : settings_(std::move(settings)),
      topics_(settings_.id),
      line_(line),
      notices_(notices),
      client_(MqttSettings{settings_.url, settings_.password,
                           QStringLiteral("qm5-control-") + settings_.id, topics_.availability},
              *this),
      polling_(line, *this, powerTimer, lampTimer, settings_.poll) {}

void MqttBridge::stop() {
    // Nobody waits for an answer that will never come.
    for (const auto& [ticket, pending] : pending_) {
        if (pending.script) {
            answerScript(
                *pending.script,
                {pending.text,
                 LineRefusal{Failure::Interrupted,
                             QCoreApplication::translate("MqttBridge", "the program is ending.")
                                 .toStdString()},
                 {},
                 false});
        }
    }
    pending_.clear();
    // Retained: a program that has ended holds no line.
    publishState(topics_.line, "offline");
    client_.stop();
}

void MqttBridge::onPortInUse(int port, std::string_view device, bool open) {
    port_ = port;
    device_ = device;
    if (lineOpen_ == open) return;
    lineOpen_ = open;
    publishState(topics_.line, open ? "online" : "offline");
    if (open) {
        polling_.onLineOpen();
    } else {
        polling_.onLineAway();
    }
}

void MqttBridge::onBrokerConnected() {
    // Once, and once after each outage told: a journal is no place for every reconnection.
    if (std::exchange(tellNextConnection_, false)) {
        notices_.onBridgeNotice(
            QCoreApplication::translate("MqttBridge", "connected to the broker %1.")
                .arg(settings_.url.host));
    }
    for (const QString& topic : {topics_.powerSet, topics_.inputSet, topics_.send, topics_.sendRaw,
                                 topics_.base + QStringLiteral("/+/press"), kHomeAssistantStatus}) {
        client_.subscribe(topic);
    }
    announce();
}

void MqttBridge::announce() {
    lastAnnounce_ = std::chrono::steady_clock::now();
    for (const DiscoveryMessage& message : discoveryMessages(settings_.device, topics_)) {
        client_.publish(message.topic, message.payload, true);
    }
    for (const auto& [topic, payload] : states_) client_.publish(topic, payload, true);
}

void MqttBridge::publishState(const QString& topic, const QByteArray& payload) {
    // Retained: a value that stays is not published again at every poll.
    auto& known = states_[topic];
    if (known == payload && !known.isNull()) return;
    known = payload;
    client_.publish(topic, payload, true);
}

void MqttBridge::onBrokerTrouble(const QString& why) {
    tellNextConnection_ = true;
    notices_.onBridgeNotice(why);
}

void MqttBridge::onBrokerMessage(const MqttMessage& message) {
    if (message.topic == kHomeAssistantStatus) {
        // Home Assistant started again and forgot what it was told.
        const auto now = std::chrono::steady_clock::now();
        if (message.payload != "online" || (lastAnnounce_ && now - *lastAnnounce_ < kAnnounceEvery))
            return;
        announce();
    } else if (message.topic == topics_.powerSet) {
        onPowerSet(message.payload);
    } else if (message.topic == topics_.inputSet) {
        onInputSet(message.payload);
    } else if (message.topic == topics_.send || message.topic == topics_.sendRaw) {
        onScript(message, message.topic == topics_.sendRaw);
    } else {
        onPress(message.topic, message.payload);
    }
}

void MqttBridge::onPowerSet(const QByteArray& payload) {
    if (payload != kOn && payload != kOff) {
        ignore(QCoreApplication::translate("MqttBridge", "the power takes ON or OFF, not '%1'")
                   .arg(shownPayload(payload)));
        return;
    }
    sendFor({std::string(payload == kOn ? kPowerOn : kPowerOff), false, std::nullopt});
}

void MqttBridge::onInputSet(const QByteArray& payload) {
    for (const InputOption& option : inputOptions()) {
        if (option.caption.toUtf8() == payload) {
            sendFor({std::string(option.code), false, std::nullopt});
            return;
        }
    }
    ignore(QCoreApplication::translate("MqttBridge", "no input '%1'").arg(shownPayload(payload)));
}

void MqttBridge::onPress(const QString& topic, const QByteArray& payload) {
    const QString name = topic.mid(topics_.base.size() + 1).section(QLatin1Char('/'), 0, 0);
    const auto command = findCommand(name.toStdString());
    if (!command || command->name != name.toStdString() || payload != kPress ||
        !announcedAsButton(command->code)) {
        ignore(QCoreApplication::translate("MqttBridge", "nothing is sent for %1 '%2'")
                   .arg(shownPayload(topic.toUtf8()), shownPayload(payload)));
        return;
    }
    // A query's reply is read as the polling's own.
    if (command->code == "CR0") {
        polling_.askPowerSoon();
    } else if (command->code == "CR1") {
        polling_.askInputSoon();
    } else if (command->code == "CR3") {
        polling_.askLampTimeSoon();
    } else {
        sendFor({std::string(command->code), false, std::nullopt});
    }
}

void MqttBridge::onScript(const MqttMessage& message, bool raw) {
    const auto command = raw ? std::nullopt : findCommand(message.payload.trimmed().toStdString());
    if (raw ? !isRawFrameText(message.payload.toStdString()) : !command) {
        ignore(QCoreApplication::translate("MqttBridge", "no command '%1'")
                   .arg(shownPayload(message.payload)));
        return;
    }
    const std::string text = raw ? message.payload.toStdString() : std::string(command->code);
    if (auto refused = sendFor({text, raw, message})) {
        answerScript(message, {text, std::move(refused), {}, false});
    }
}

std::optional<LineRefusal> MqttBridge::sendFor(Pending pending) {
    std::optional<LineRefusal> refused;
    if (lineOpen_ != true) {
        // Said once in a while, not once a command: a flood must not bury the journal.
        refused = LineRefusal{Failure::Missing, QCoreApplication::translate(
                                                    "MqttBridge",
                                                    "the line is not open; the program opens it "
                                                    "by itself when it is back.")
                                                    .toStdString()};
    } else if (line_.pendingFor(*this) >= kLongestQueue) {
        refused = LineRefusal{
            Failure::Busy,
            QCoreApplication::translate("MqttBridge", "%1 commands wait already; send again later.")
                .arg(QString::number(kLongestQueue))
                .toStdString()};
    }
    if (refused) {
        ignore(QString::fromStdString(refused->why));
        return refused;
    }
    const std::uint64_t ticket = ++lastTicket_;
    const std::string text = pending.text;
    const bool raw = pending.raw;
    pending_.emplace(ticket, std::move(pending));
    line_.add({this, ticket, text, raw, LineQueue::WhenHeld::Wait});
    return std::nullopt;
}

void MqttBridge::onLineAnswer(std::uint64_t ticket, const LineAnswer& answer) {
    const auto found = pending_.find(ticket);
    if (found == pending_.end()) return;
    const Pending done = std::move(found->second);
    pending_.erase(found);
    if (done.script) answerScript(*done.script, answer);
    if (answer.refused || replyRefused(answer.reply.chars())) return;
    if (done.text == kPowerOn || done.text == kPowerOff) polling_.askPowerSoon();
    if (const InputOption* option = inputOptionOf(done.text)) {
        publishState(topics_.input, option->caption.toUtf8());
        polling_.askInputSoon();
    }
}

void MqttBridge::answerScript(const MqttMessage& request, const LineAnswer& answer) {
    const std::string& chars = answer.reply.chars();
    AnswerFields fields{port_, device_,      answer.text, !chars.empty(),   answer.reply.monitor(),
                        chars, std::nullopt, {},          Failure::NoReply, replyRefused(chars)};
    if (answer.refused) {
        fields.error = QString::fromStdString(answer.refused->why);
        fields.failure = answer.refused->failure;
    } else if (chars.empty()) {
        fields.reply.clear();
        fields.error = QCoreApplication::translate("MqttBridge", "no reply within %1 ms.")
                           .arg(QString::number(kReplyTimeoutMs));
    } else if (fields.refused) {
        fields.failure = Failure::Refused;
        fields.error = QCoreApplication::translate("MqttBridge", "the projector refused %1.")
                           .arg(QString::fromStdString(answer.text));
    } else {
        fields.status = replyStatus(frameOf(answer.text), chars);
    }
    const QByteArray json = answerJson(fields);
    // Not into the discovery or another projector's topics: the program may publish where the
    // asker may not.
    const bool forbidden = request.responseTopic.startsWith(settings_.device.prefix + '/') ||
                           request.responseTopic.startsWith(QStringLiteral("homeassistant/")) ||
                           request.responseTopic.startsWith(QStringLiteral("qm5-control/"));
    if (request.responseTopic.isEmpty() || forbidden || !client_.answer(request, json)) {
        client_.publish(topics_.reply, json, false);
    }
}

void MqttBridge::onPowerState(const std::string& words) {
    publishState(topics_.status, QByteArray::fromStdString(words));
    publishState(topics_.power, switchedOn(words) ? kOn : kOff);
}

void MqttBridge::onInput(int input) {
    // The option last chosen stays while it selects the input in use.
    const auto shown = states_.find(topics_.input);
    for (const InputOption& option : inputOptions()) {
        if (shown != states_.end() && option.caption.toUtf8() == shown->second &&
            option.input == input) {
            return;
        }
    }
    if (const InputOption* first = firstOptionOf(input)) {
        publishState(topics_.input, first->caption.toUtf8());
    }
}

void MqttBridge::onLampHours(std::int64_t hours) {
    publishState(topics_.lampHours, QByteArray::number(static_cast<qlonglong>(hours)));
}

void MqttBridge::ignore(const QString& why) {
    const auto now = std::chrono::steady_clock::now();
    if (unnoticed_ > 0 && now - lastNotice_ < kNoticeEvery) {
        ++unnoticed_;
        return;
    }
    //: %1 why a message from the broker was ignored; %2 how many more were since the last notice.
    notices_.onBridgeNotice(
        unnoticed_ > 1 ? QCoreApplication::translate("MqttBridge", "ignored: %1 (and %2 more)")
                             .arg(why, QString::number(unnoticed_ - 1))
                       : QCoreApplication::translate("MqttBridge", "ignored: %1").arg(why));
    lastNotice_ = now;
    unnoticed_ = 1;
}

}  // namespace qm5
