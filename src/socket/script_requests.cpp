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

ScriptRequests::ScriptRequests(ScriptTarget& target) : target_(target) {
    replyTimeout_.setSingleShot(true);
    replyTimeout_.setTimerType(Qt::PreciseTimer);
    replyTimeout_.setInterval(kReplyTimeoutMs);
    connect(&replyTimeout_, &QTimer::timeout, this, &ScriptRequests::finish);
}

void ScriptRequests::add(const QPointer<QLocalSocket>& client, std::string_view text, bool raw) {
    if (waiting_.size() >= kLongestQueue) {
        answerScript(client, "ERR the panel has " + QByteArray::number(kLongestQueue) +
                                 " requests waiting already; send again later\n");
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
    const std::optional<std::string> refused = sendScriptFrame(*current_);
    // Sent, its reply is collected (and, under a box the log raised, may be answered already).
    if (!refused) return;
    answerScript(current_->client, "ERR " + QByteArray::fromStdString(*refused) + "\n");
    current_.reset();
    sendNext();
}

std::optional<std::string> ScriptRequests::sendScriptFrame(const Request& request) {
    if (request.client.isNull()) return "the script is gone";  // it sends nothing
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
