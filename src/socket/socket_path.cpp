// SPDX-License-Identifier: MIT
#include "socket/socket_path.h"

#include <QCryptographicHash>
#include <QStandardPaths>

#include "devices/canonical_device.h"

namespace qm5 {

QString panelSocketPath(std::string_view device) {
    // Qt checks that the folder is the user's own and that no one else may enter it.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) return {};
    const QByteArray hash =
        QCryptographicHash::hash(canonicalDevice(device).toUtf8(), QCryptographicHash::Sha256);
    return folder + QStringLiteral("/qm5-control-") + QString::fromLatin1(hash.toHex().left(16));
}

}  // namespace qm5
