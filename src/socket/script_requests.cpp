// SPDX-License-Identifier: MIT
#include "socket/script_requests.h"

#include <QLocalSocket>
#include <QVariant>

#include <utility>

#include "core/intervals.h"
#include "link/frame.h"
#include "link/reply_end.h"
#include "link/reply_status.h"
#include "link/traffic_log.h"
#include "socket/script_target.h"

namespace qm5 {

void answerScript(const QPointer<QLocalSocket>& client, const QByteArray& lines) {
    if (client.isNull()) return;
    client->setProperty("asked", true);
    client->write(lines);
    client->disconnectFromServer();
}

QByteArray refusalLine(const ScriptRefusal& refusal) {
    const std::string_view word = failureCode(refusal.failure);
    return "ERR " + QByteArray(word.data(), static_cast<qsizetype>(word.size())) + ' ' +
           QByteArray::fromStdString(refusal.why) + '\n';
}

ScriptRequests::ScriptRequests(ScriptTarget& target) : target_(target) {
    replyTimeout_.setSingleShot(true);
    replyTimeout_.setTimerType(Qt::PreciseTimer);
    replyTimeout_.setInterval(kReplyTimeoutMs);
    connect(&replyTimeout_, &QTimer::timeout, this, &ScriptRequests::finish);
}

void ScriptRequests::add(const QPointer<QLocalSocket>& client, std::string_view text, bool raw) {
    if (waiting_.size() >= kLongestQueue) {
        answerScript(client,
                     refusalLine({Failure::Busy, "the panel has " + std::to_string(kLongestQueue) +
                                                     " requests waiting already; send "
                                                     "again later"}));
        return;
    }
    waiting_.push_back({client, std::string(text), raw});
    // Sent from the event loop, never under the socket's handler.
    if (!current_) QMetaObject::invokeMethod(this, &ScriptRequests::sendNext, Qt::QueuedConnection);
}

void ScriptRequests::sendNext() {
    if (current_ || waiting_.empty()) return;
    current_ = waiting_.front();
    waiting_.pop_front();
    const std::optional<ScriptRefusal> refused = sendScriptFrame(*current_);
    // Sent, its reply is collected (and, under a box the log raised, may be answered already).
    if (!refused) return;
    answerScript(current_->client, refusalLine(*refused));
    current_.reset();
    sendNext();
}

std::optional<ScriptRefusal> ScriptRequests::sendScriptFrame(const Request& request) {
    // It sends nothing.
    if (request.client.isNull()) return ScriptRefusal{Failure::Interrupted, "the script is gone"};
    if (auto busy = target_.busyFor()) return busy;
    sending_ = true;
    // A failure shows a warning box, whose event loop may let the client go meanwhile.
    auto refused = request.raw ? target_.sendRaw(request.text) : target_.sendAsButton(request.text);
    sending_ = false;
    return refused;
}

void ScriptRequests::onFrameSent(std::string_view port, std::string_view device) {
    if (sending_) {
        sent_ = true;
        reply_.clear();
        port_ = port;
        device_ = device;
        replyTimeout_.start();
    } else if (sent_) {
        finish();  // the next frame: what comes now is its reply
    }
}

void ScriptRequests::onReceived(std::string_view piece) {
    if (!sent_) return;
    reply_.append(piece);
    if (replyComplete(reply_.chars())) finish();
}

void ScriptRequests::finish() {
    if (!sent_) return;
    replyTimeout_.stop();
    sent_ = false;
    QByteArray lines;
    if (!reply_.empty()) {
        const QByteArray chars = QByteArray::fromStdString(reply_.chars());
        lines = "RXD " + QByteArray::fromStdString(reply_.monitor()) + "\nHEX " +
                chars.toHex(' ').toUpper() + "\n";
        if (const auto status = replyStatus(frameOf(current_->text), reply_.chars())) {
            lines += "STATUS " + QByteArray::fromStdString(*status) + "\n";
        }
    } else if (log_ != nullptr) {
        log_->recordNoReply(port_, device_, kReplyTimeoutMs);
    }
    const Request done = *std::exchange(current_, std::nullopt);
    answerScript(done.client, lines + "END\n");
    QMetaObject::invokeMethod(this, &ScriptRequests::sendNext, Qt::QueuedConnection);
}

}  // namespace qm5
