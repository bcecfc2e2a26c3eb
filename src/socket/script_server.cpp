// SPDX-License-Identifier: MIT
#include "socket/script_server.h"

#include <QLocalSocket>
#include <QTimer>
#include <QVariant>

#include "link/raw_frame.h"
#include "panel/commands.h"
#include "socket/socket_path.h"

namespace qm5 {

ScriptServer::ScriptServer(ScriptTarget& target) : requests_(target) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &ScriptServer::onNewConnection);
}

void ScriptServer::serveScriptsFor(std::string_view device) {
    wanted_ = panelSocketPath(device);
    // Listened for from the event loop: start-up shows the window first.
    QMetaObject::invokeMethod(this, &ScriptServer::listen, Qt::QueuedConnection);
}

void ScriptServer::stopServing() {
    wanted_.clear();
    QMetaObject::invokeMethod(this, &ScriptServer::listen, Qt::QueuedConnection);
}

void ScriptServer::listen() {
    if (server_.isListening() && server_.fullServerName() == wanted_) return;
    server_.close();
    if (wanted_.isEmpty()) return;
    // A socket left by a copy that was killed would refuse the name.
    QLocalServer::removeServer(wanted_);
    server_.listen(wanted_);
}

void ScriptServer::onNewConnection() {
    while (QLocalSocket* client = server_.nextPendingConnection()) {
        connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        connect(client, &QLocalSocket::readyRead, this, [this, client] { onRequest(client); });
        // A client that never finishes its request is let go.
        QTimer::singleShot(2000, Qt::PreciseTimer, client, [client] {
            if (!client->property("asked").toBool()) {
                answerScript(client, "ERR the request did not end in a new line\n");
            }
        });
    }
}

void ScriptServer::onRequest(QLocalSocket* client) {
    if (client->property("asked").toBool()) return;
    if (!client->canReadLine()) {
        if (client->bytesAvailable() > kLongestRequest)
            answerScript(client, "ERR the request is too long\n");
        return;
    }
    client->setProperty("asked", true);
    const QByteArray line = client->readLine(kLongestRequest + 1);
    if (!line.endsWith('\n')) {
        answerScript(client, "ERR the request is too long\n");
        return;
    }
    // A raw frame's text may begin or end in spaces: only the new line goes.
    if (line.startsWith("RAW ")) {
        const QByteArray text = line.mid(4).chopped(1);
        if (!isRawFrameText(text.toStdString())) {
            answerScript(client, "ERR not a raw frame: 1 to 16 printable ASCII characters\n");
            return;
        }
        requests_.add(client, text.toStdString(), true);
        return;
    }
    const QByteArray request = line.trimmed();
    const auto command =
        request.startsWith("SEND ") ? findCommand(request.mid(5).toStdString()) : std::nullopt;
    if (!command) {
        answerScript(client,
                     "ERR not a request: SEND CODE, with a code from --list-commands, or "
                     "RAW TEXT\n");
        return;
    }
    requests_.add(client, command->code);
}

}  // namespace qm5
