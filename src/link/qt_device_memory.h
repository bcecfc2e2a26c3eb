// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "link/port_devices.h"

namespace qm5 {

/// The remembered devices in the user's configuration, with QSettings: on Linux
/// $XDG_CONFIG_HOME/qm5-control/qm5-control.ini (by default under ~/.config). A missing, unreadable
/// or damaged file remembers nothing.
class QtDeviceMemory final : public DeviceMemory {
  public:
    QtDeviceMemory();
    explicit QtDeviceMemory(QString file) : file_(std::move(file)) {}

    std::optional<std::string> recall(int port) const override;
    std::optional<std::string> remember(int port, const std::string& device) override;

    const QString& file() const { return file_; }

  private:
    QString file_;
};

}  // namespace qm5
