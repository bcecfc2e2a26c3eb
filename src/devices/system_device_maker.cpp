// SPDX-License-Identifier: MIT
#include "devices/system_device_maker.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <utility>
#include <variant>

#include "devices/device_address.h"
#include "devices/network_device.h"
#include "devices/serial_port_device.h"

namespace qm5 {

namespace {

template <typename... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
// Clang 14 deduces no aggregate's template arguments by itself.
template <typename... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

}  // namespace

SystemDeviceMaker::SystemDeviceMaker() {
    retry_.setSingleShot(true);
    connect(&retry_, &QTimer::timeout, this, &SystemDeviceMaker::onRetry);
    connect(&folders_, &QFileSystemWatcher::directoryChanged, this,
            &SystemDeviceMaker::onFolderChanged);
}

std::unique_ptr<Device> SystemDeviceMaker::makeDevice(int /*port*/, const std::string& device,
                                                      DeviceEvents& events) {
    auto address = parseDevice(device);
    // One overload per form and no catch-all: a form added to the address compiles only once it
    // is handled here.
    return std::visit(
        Overloaded{
            [](AddressError& wrong) -> std::unique_ptr<Device> {
                // A sentence's end is the language's: a full stop, or "。".
                throw DeviceFailure{QCoreApplication::translate("SystemDeviceMaker", "%1.")
                                        .arg(QString::fromStdString(wrong.what))
                                        .toStdString(),
                                    false, Failure::BadAddress};
            },
            [&](NetworkAddress& network) -> std::unique_ptr<Device> {
                auto server = std::make_unique<NetworkDevice>(std::move(network), events);
                if (busyIndicator_ != nullptr) server->showBusyOn(*busyIndicator_);
                return server;
            },
            [&](LocalDevice& /*local*/) -> std::unique_ptr<Device> {
                return std::make_unique<SerialPortDevice>(device, events);
            },
        },
        address);
}

bool SystemDeviceMaker::watchFor(const std::string& device, DeviceWatchEvents& events) {
    events_ = &events;
    path_.clear();
    if (std::holds_alternative<LocalDevice>(parseDevice(device))) {
        path_ = QString::fromStdString(device);
        watchNearestFolder();
        // There, but it would not open (held by another program, its permissions not set yet):
        // tried again as a server is, besides any change in its folder.
        if (!QFileInfo::exists(path_)) return true;
    }
    using std::chrono::milliseconds;
    const milliseconds delay = std::min<milliseconds>(
        milliseconds(kFirstRetry.count() << std::min(tries_, 5)), kLongestRetry);
    ++tries_;
    // Up to a tenth more or less.
    const double jitter = 0.9 + 0.2 * QRandomGenerator::global()->generateDouble();
    retry_.start(milliseconds(static_cast<long long>(static_cast<double>(delay.count()) * jitter)));
    return false;
}

void SystemDeviceMaker::stopWatching() {
    events_ = nullptr;
    tries_ = 0;
    retry_.stop();
    path_.clear();
    if (!folders_.directories().isEmpty()) folders_.removePaths(folders_.directories());
}

void SystemDeviceMaker::watchNearestFolder() {
    QFileInfo folder(QFileInfo(path_).absolutePath());
    while (!folder.exists() && !folder.isRoot()) folder.setFile(folder.absolutePath());
    const QString nearest = folder.absoluteFilePath();
    if (folders_.directories() == QStringList{nearest}) return;
    if (!folders_.directories().isEmpty()) folders_.removePaths(folders_.directories());
    folders_.addPath(nearest);
}

void SystemDeviceMaker::onFolderChanged() {
    if (events_ == nullptr || path_.isEmpty()) return;
    if (!QFileInfo::exists(path_)) {
        watchNearestFolder();
        return;
    }
    retry_.stop();
    std::exchange(events_, nullptr)->onDeviceMayBeBack();
}

void SystemDeviceMaker::onRetry() {
    if (events_ != nullptr) std::exchange(events_, nullptr)->onDeviceMayBeBack();
}

}  // namespace qm5
