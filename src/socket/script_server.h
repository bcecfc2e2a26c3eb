// SPDX-License-Identifier: MIT
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QSet>
#include <QTimer>

#include <chrono>
#include <string>
#include <string_view>

#include "socket/script_requests.h"

class QLocalSocket;

namespace qm5 {

/// Told why scripts cannot reach the panel: once for each reason.
class ScriptsUnreachable {
  public:
    virtual ~ScriptsUnreachable() = default;
    virtual void onScriptsUnreachable(const QString& why) = 0;
};

/// Scripts reach the running panel through its local socket, so that the device is never opened
/// twice and the operator sees what a script did. A request is one line, "SEND CODE" or "RAW TEXT",
/// served by ScriptRequests; a malformed or oversized request is answered "ERR why" and changes
/// nothing. At most kMostClients scripts are connected at once: one more is answered "ERR the
/// panel is busy" at once, so that a burst of connections cannot use up the descriptors.
class ScriptServer final : public QObject {
  public:
    static constexpr qint64 kLongestRequest = 64;
    static constexpr int kMostClients = 32;
    /// How soon a server that stopped listening listens again.
    static constexpr std::chrono::milliseconds kListenAgain{1000};

    /// Scripts' frames go out on `line`, in turn with the program's own.
    explicit ScriptServer(LineQueue& line);

    /// Listens on the socket of `device`, the device now open.
    void serveScriptsFor(std::string_view device);
    /// A service's sockets go in `folder`, its own runtime folder, open to its group, whose
    /// members may open the line themselves anyway.
    void serveIn(const QString& folder);
    /// No device is open: no script is served.
    void stopServing();
    void tellUnreachableTo(ScriptsUnreachable& listener) { unreachable_ = &listener; }

  private:
    void listen();
    void onNewConnection();
    void onClientGone() { --clients_; }
    void onRequest(QLocalSocket* client);
    void tell(const QString& why);

    ScriptRequests requests_;
    QLocalServer server_;
    /// The name to listen on; empty while the port is not open.
    QString wanted_;
    /// A service's own folder; empty for the user's runtime folder.
    QString folder_;
    /// Scripts connected now.
    int clients_ = 0;
    QTimer listenAgain_;
    ScriptsUnreachable* unreachable_ = nullptr;
    QSet<QString> told_;
};

}  // namespace qm5
