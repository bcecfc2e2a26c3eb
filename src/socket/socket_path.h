// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <string_view>

namespace qm5 {

/// The folder of the panels' sockets: the user's private runtime folder, which Qt checks is the
/// user's own and that no one else may enter.
struct SocketFolder {
    /// Empty when there is no such folder.
    QString path;
    /// Why then no panel can be reached by scripts, naming the folder and what to do: one line.
    QString refusal;
};

/// The panel and its scripts look here alike, so that both tell the same reason.
SocketFolder socketFolder();

/// The local socket of the panel that has `device` open: a full path in the socket folder, never
/// a name in a folder others can write; named after the device's canonical path, so that every
/// copy of the panel has its own and either name of a device finds it. Empty when there is no
/// socket folder.
QString panelSocketPath(std::string_view device);

/// The socket a service serving `device` listens on in `folder`, its own runtime folder.
QString socketPathIn(const QString& folder, std::string_view device);

/// The sockets of the services that may serve `device`, looked at after the user's own panel:
/// one in each service's runtime folder under /run/qm5-control, where only the system makes
/// folders and only the service writes in its own.
QStringList servicesSocketPaths(std::string_view device,
                                const QString& services = QStringLiteral("/run/qm5-control"));

}  // namespace qm5
