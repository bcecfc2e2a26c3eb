// SPDX-License-Identifier: MIT
#include "app/script_requests.h"

#include <QLocalSocket>
#include <QPointer>
#include <QTimer>
#include <QVariant>

#include "app/control_panel.h"
#include "core/intervals.h"

namespace qm5 {

void answerScript(QLocalSocket* client, const QByteArray& lines) {
    client->setProperty("asked", true);
    client->write(lines);
    client->disconnectFromServer();
}

void ScriptRequests::serve(QLocalSocket* client, std::string_view code) {
    if (panel_.ended()) {
        answerScript(client, "ERR the panel is ending\n");
        return;
    }
    if (panel_.state().repeatCode != 0) {
        answerScript(client, "ERR a button is held on the panel; send again once it is released\n");
        return;
    }
    if (const auto failure = panel_.sendAsButton(code)) {
        answerScript(client, "ERR " + QByteArray::fromStdString(*failure) + "\n");
        return;
    }
    // Once the reply timeout has passed, the RXD line holds the reply or the no-reply mark.
    QPointer<QLocalSocket> waiting(client);
    QTimer::singleShot(kReplyTimeoutMs + 20, this, [this, waiting] {
        if (waiting.isNull()) return;
        QByteArray lines = "RXD " + QByteArray::fromStdString(panel_.shownReply()) + "\n";
        if (!panel_.shownStatus().empty()) {
            lines += "STATUS " + QByteArray::fromStdString(panel_.shownStatus()) + "\n";
        }
        answerScript(waiting, lines + "END\n");
    });
}

}  // namespace qm5
