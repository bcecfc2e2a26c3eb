// SPDX-License-Identifier: MIT
#include "app/remote_control.h"

#include <QCryptographicHash>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QTimer>
#include <QVariant>

#include "app/commands.h"
#include "app/raw_frame.h"
#include "link/canonical_device.h"

namespace qm5 {

QString remoteName(std::string_view device) {
    // Qt checks that the folder is the user's own and that no one else may enter it.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) return {};
    const QByteArray hash =
        QCryptographicHash::hash(canonicalDevice(device).toUtf8(), QCryptographicHash::Sha256);
    return folder + QStringLiteral("/qm5-control-") + QString::fromLatin1(hash.toHex().left(16));
}

RemoteControl::RemoteControl(ControlPanel& panel) : requests_(panel) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &RemoteControl::onNewConnection);
    panel.setPortInUseListener(*this);
    panel.setRecorder(requests_);
}

void RemoteControl::onPortInUse(std::string_view device, bool open) {
    wanted_ = open ? remoteName(device) : QString();
    // Listened for from the event loop: start-up shows the window first.
    QMetaObject::invokeMethod(this, &RemoteControl::listen, Qt::QueuedConnection);
}

void RemoteControl::listen() {
    if (server_.isListening() && server_.fullServerName() == wanted_) return;
    server_.close();
    if (wanted_.isEmpty()) return;
    // A socket left by a copy that was killed would refuse the name.
    QLocalServer::removeServer(wanted_);
    server_.listen(wanted_);
}

void RemoteControl::onNewConnection() {
    while (QLocalSocket* client = server_.nextPendingConnection()) {
        connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        connect(client, &QLocalSocket::readyRead, this, [this, client] { onRequest(client); });
        // A client that never finishes its request is let go.
        QTimer::singleShot(2000, client, [client] {
            if (!client->property("asked").toBool()) {
                answerScript(client, "ERR the request did not end in a new line\n");
            }
        });
    }
}

void RemoteControl::onRequest(QLocalSocket* client) {
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
