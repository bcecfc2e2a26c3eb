// SPDX-License-Identifier: MIT
#include "devices/canonical_device.h"

#include <QFileInfo>

namespace qm5 {

QString canonicalDevice(std::string_view device) {
    const QString text = QString::fromUtf8(device.data(), static_cast<qsizetype>(device.size()));
    const QString canonical = QFileInfo(text).canonicalFilePath();
    return canonical.isEmpty() ? text : canonical;
}

}  // namespace qm5
