// SPDX-License-Identifier: MIT
#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <string>

#include "core/busy_indicator.h"
#include "devices/device.h"

namespace qm5 {

/// The devices of this machine and its network: a serial port by its path, or a serial device
/// server by rfc2217:// or socket://. A path that went away is watched for in its folder, without
/// polling; a server, or a path that is there but would not open, is tried again after a delay
/// that doubles from about a second to half a minute, with a little jitter so that many panels
/// do not knock together.
class SystemDeviceMaker final : public QObject, public DeviceMaker {
    Q_OBJECT

  public:
    static constexpr std::chrono::milliseconds kFirstRetry{1000};
    static constexpr std::chrono::milliseconds kLongestRetry{30000};

    SystemDeviceMaker();

    std::unique_ptr<Device> makeDevice(int port, const std::string& device,
                                       DeviceEvents& events) override;
    bool watchFor(const std::string& device, DeviceWatchEvents& events) override;
    /// A server's device shows its connecting there.
    void setBusyIndicator(BusyIndicator& indicator) { busyIndicator_ = &indicator; }
    void stopWatching() override;

  private:
    void onFolderChanged();
    void onRetry();
    /// Watches the nearest folder of the path that exists: /dev/serial/by-id goes away with the
    /// last adapter.
    void watchNearestFolder();

    QFileSystemWatcher folders_;
    QTimer retry_;
    DeviceWatchEvents* events_ = nullptr;
    BusyIndicator* busyIndicator_ = nullptr;
    QString path_;
    /// Tries of the server watched for, for the delay.
    int tries_ = 0;
};

}  // namespace qm5
