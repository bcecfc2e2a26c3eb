// SPDX-License-Identifier: MIT
#include "socket/script_requests.h"

#include <QLocalSocket>
#include <QVariant>

#include <string>

#include "link/frame.h"
#include "link/reply_status.h"

namespace qm5 {

void answerScript(const QPointer<QLocalSocket>& client, const QByteArray& lines) {
    if (client.isNull()) return;
    client->setProperty("asked", true);
    client->write(lines);
    client->disconnectFromServer();
}

QByteArray refusalLine(const LineRefusal& refusal) {
    const std::string_view word = failureCode(refusal.failure);
    return "ERR " + QByteArray(word.data(), static_cast<qsizetype>(word.size())) + ' ' +
           QByteArray::fromStdString(refusal.why) + '\n';
}

void ScriptRequests::add(const QPointer<QLocalSocket>& client, std::string_view text, bool raw) {
    if (line_.pendingFor(*this) >= kLongestQueue) {
        answerScript(client,
                     refusalLine({Failure::Busy, "the panel has " + std::to_string(kLongestQueue) +
                                                     " requests waiting already; send "
                                                     "again later"}));
        return;
    }
    const std::uint64_t ticket = ++lastTicket_;
    clients_.emplace(ticket, client);
    line_.add({this, ticket, std::string(text), raw, LineQueue::WhenHeld::Refuse});
}

bool ScriptRequests::stillWanted(std::uint64_t ticket) const {
    const auto client = clients_.find(ticket);
    // A script gone is seen at once; its socket is deleted only later.
    return client != clients_.end() && !client->second.isNull() &&
           client->second->state() == QLocalSocket::ConnectedState;
}

void ScriptRequests::onLineAnswer(std::uint64_t ticket, const LineAnswer& answer) {
    const auto found = clients_.find(ticket);
    if (found == clients_.end()) return;
    const QPointer<QLocalSocket> client = found->second;
    clients_.erase(found);
    if (answer.refused) {
        answerScript(client, refusalLine(*answer.refused));
        return;
    }
    QByteArray lines;
    if (!answer.reply.empty()) {
        const std::string& chars = answer.reply.chars();
        lines = "RXD " + QByteArray::fromStdString(answer.reply.monitor()) + "\nHEX " +
                QByteArray::fromStdString(chars).toHex(' ').toUpper() + "\n";
        if (const auto status = replyStatus(frameOf(answer.text), chars)) {
            lines += "STATUS " + QByteArray::fromStdString(*status) + "\n";
        }
    }
    answerScript(client, lines + "END\n");
}

}  // namespace qm5
