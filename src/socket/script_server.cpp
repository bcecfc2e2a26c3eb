// SPDX-License-Identifier: MIT
#include "socket/script_server.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocalSocket>
#include <QTimer>
#include <QVariant>

#include "link/raw_frame.h"
#include "panel/commands.h"
#include "socket/socket_path.h"

namespace qm5 {

namespace {

/// Whether a live server listens on `name`: a second panel on a network device must not take
/// the first one's socket away from under it.
bool anotherPanelServes(const QString& name) {
    QLocalSocket probe;
    probe.connectToServer(name);
    // A local connect is answered at once, by the listening queue or by a refusal.
    return probe.waitForConnected(100);
}

}  // namespace

ScriptServer::ScriptServer(LineQueue& line) : requests_(line) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &ScriptServer::onNewConnection);
    listenAgain_.setInterval(kListenAgain);
    connect(&listenAgain_, &QTimer::timeout, this, &ScriptServer::listen);
}

void ScriptServer::serveIn(const QString& folder) {
    folder_ = folder;
    server_.setSocketOptions(QLocalServer::UserAccessOption | QLocalServer::GroupAccessOption);
}

void ScriptServer::serveScriptsFor(std::string_view device) {
    wanted_ = folder_.isEmpty() ? panelSocketPath(device) : socketPathIn(folder_, device);
    if (wanted_.isEmpty()) tell(socketFolder().refusal);
    // Listened for from the event loop: start-up shows the window first.
    QMetaObject::invokeMethod(this, &ScriptServer::listen, Qt::QueuedConnection);
}

void ScriptServer::stopServing() {
    wanted_.clear();
    QMetaObject::invokeMethod(this, &ScriptServer::listen, Qt::QueuedConnection);
}

void ScriptServer::listen() {
    // QLocalServer closes itself, and tells no one, when an accept fails (no descriptor left):
    // while a device is open, the server is looked at again and again.
    if (wanted_.isEmpty()) {
        listenAgain_.stop();
    } else if (!listenAgain_.isActive()) {
        listenAgain_.start();
    }
    // A socket file deleted under the server leaves it listening where no script can reach it.
    if (server_.isListening() && server_.fullServerName() == wanted_ && QFileInfo::exists(wanted_))
        return;
    server_.close();
    if (wanted_.isEmpty()) return;
    if (anotherPanelServes(wanted_)) {
        //: %1 is the socket's path.
        tell(QCoreApplication::translate(
                 "ScriptServer",
                 "another panel with the same device serves scripts on %1; this panel takes the "
                 "socket over when that one ends.")
                 .arg(wanted_));
        return;
    }
    // A socket left by a copy that was killed would refuse the name.
    QLocalServer::removeServer(wanted_);
    if (!server_.listen(wanted_)) {
        //: %1 is the socket's path, %2 the system's reason.
        tell(QCoreApplication::translate("ScriptServer", "the socket %1 cannot be listened on: %2.")
                 .arg(wanted_, server_.errorString()));
    }
}

void ScriptServer::tell(const QString& why) {
    if (told_.contains(why)) return;
    told_.insert(why);
    if (unreachable_ != nullptr) unreachable_->onScriptsUnreachable(why);
}

void ScriptServer::onNewConnection() {
    while (QLocalSocket* client = server_.nextPendingConnection()) {
        connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        if (clients_ >= kMostClients) {
            client->write(
                refusalLine({Failure::Busy, "the panel is busy: " + std::to_string(kMostClients) +
                                                " scripts are connected to it already; "
                                                "send again later"}));
            // Let go at once: the descriptor is what the bound saves.
            client->flush();
            client->abort();
            continue;
        }
        ++clients_;
        connect(client, &QLocalSocket::disconnected, this, &ScriptServer::onClientGone);
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
