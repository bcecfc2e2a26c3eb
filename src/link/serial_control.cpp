// SPDX-License-Identifier: MIT
#include "link/serial_control.h"

#include <QCoreApplication>

#include <utility>
#include <variant>

#include "devices/device_address.h"
#include "link/port_failure.h"

namespace qm5 {

SerialControl::~SerialControl() {
    deviceMaker_.stopWatching();
}

template <typename Step>
auto SerialControl::named(Step&& step) -> decltype(step()) {
    try {
        return step();
    } catch (const DeviceFailure& failure) {
        throw SerialError(deviceName() + ": " + failure.reason, failure.failure);
    }
}

void SerialControl::setPortNumber(std::int16_t port) {
    if (link_ == Link::Open || link_ == Link::Connecting) {
        throw SerialError(QCoreApplication::translate(
                              "SerialControl", "The port number cannot change while %1 is open.")
                              .arg(QString::fromStdString(deviceName()))
                              .toStdString());
    }
    if (port < 1) {
        throw SerialError(
            QCoreApplication::translate("SerialControl", "There is no port number %1.")
                .arg(port)
                .toStdString());
    }
    portNumber_ = port;
}

void SerialControl::setLineSettings(std::string_view text) {
    const LineSettings parsed = parseLineSettings(text);
    if (isOpen()) named([&] { device_->apply(parsed); });
    settings_ = parsed;
    settingsText_ = text;
}

void SerialControl::setOpen(bool open) {
    deviceMaker_.stopWatching();
    reconnecting_ = false;
    probation_ = false;
    if (!open) {
        if (link_ == Link::Away) link_ = Link::Closed;
        if (link_ != Link::Closed) closeDevice();
        return;
    }
    if (link_ == Link::Open || link_ == Link::Connecting) return;
    openDevice();
}

std::string SerialControl::watchForDevice() {
    if (link_ == Link::Open || link_ == Link::Connecting) return {};
    if (std::holds_alternative<AddressError>(parseDevice(devicePath()))) return {};
    link_ = Link::Away;
    reconnecting_ = true;
    if (!deviceMaker_.watchFor(devicePath(), *this)) return {};
    const char* const text =
        chooser_ == DeviceChooser::Service
            ? QT_TRANSLATE_NOOP("SerialControl",
                                "The service opens the device by itself as soon as it is there.")
            : QT_TRANSLATE_NOOP("SerialControl",
                                "The panel opens the device by itself as soon as it is there.");
    return " " + QCoreApplication::translate("SerialControl", text).toStdString();
}

void SerialControl::openDevice() {
    toldConnecting_ = false;
    try {
        device_.reset();
        device_ = deviceMaker_.makeDevice(portNumber_, devicePath(), *this);
        link_ = device_->open(settings_) ? Link::Open : Link::Connecting;
    } catch (const DeviceFailure& failure) {
        device_.reset();
        link_ = Link::Closed;
        throw SerialError(describeOpenFailure(portNumber_, devicePath(), failure.reason, chooser_),
                          failure.failure);
    } catch (const SerialError&) {
        device_.reset();
        link_ = Link::Closed;
        throw;
    }
}

void SerialControl::closeDevice() {
    // A close that fails leaves the port open.
    if (device_) device_->close();
    link_ = Link::Closed;
}

void SerialControl::write(std::string_view chars) {
    if (link_ == Link::Connecting) {
        // Not sent late: refused as on a closed port, and said once for this attempt.
        const bool told = std::exchange(toldConnecting_, true);
        throw SerialError(QCoreApplication::translate(
                              "SerialControl", "%1 is still connecting: the frame was not sent.")
                              .arg(QString::fromStdString(deviceName()))
                              .toStdString(),
                          Failure::Busy, told);
    }
    if (link_ == Link::Away) {
        throw SerialError(QCoreApplication::translate(
                              "SerialControl",
                              "%1 is not open: it has gone away, and the panel reconnects "
                              "by itself as soon as it is back.")
                              .arg(QString::fromStdString(deviceName()))
                              .toStdString(),
                          Failure::Missing);
    }
    if (link_ != Link::Open) {
        // After a failed switch the port number is the other port's, whose device the operator
        // may never have chosen: name none.
        throw SerialError(
            QCoreApplication::translate("SerialControl",
                                        "No port is open: choose COM1 or COM2 under \"COM\" "
                                        "(right-click \"COM\" to choose a port's device).")
                .toStdString(),
            Failure::Missing);
    }
    try {
        device_->write(chars);
    } catch (const DeviceFailure& failure) {
        if (!failure.gone) throw SerialError(deviceName() + ": " + failure.reason, failure.failure);
        throw SerialError(goneAway(failure.reason), Failure::Interrupted);
    }
    confirm();
}

void SerialControl::confirm() {
    if (!std::exchange(probation_, false)) return;
    deviceMaker_.stopWatching();
}

std::string SerialControl::goneAway(std::string_view reason) {
    link_ = Link::Away;
    reconnecting_ = true;
    deviceMaker_.watchFor(devicePath(), *this);
    const char* const text =
        chooser_ == DeviceChooser::Service
            ? QT_TRANSLATE_NOOP("SerialControl",
                                "The service reconnects by itself when the device is back.")
            : QT_TRANSLATE_NOOP("SerialControl",
                                "The panel reconnects by itself when the device is back.");
    return deviceName() + ": " + std::string(reason) + " " +
           QCoreApplication::translate("SerialControl", text).toStdString();
}

std::string SerialControl::readAll() {
    return isOpen() ? device_->readAll() : std::string();
}

void SerialControl::onLineReport(LineEvent event) {
    if (event == LineEvent::Received) confirm();
    if (listener_ != nullptr) listener_->onSerialEvent(event);
}

void SerialControl::onDeviceLost(std::string_view reason) {
    // A failed write has told it already.
    if (link_ != Link::Open) return;
    const bool news = !std::exchange(probation_, false);
    const std::string text = goneAway(reason);
    if (listener_ == nullptr) return;
    if (news) {
        listener_->onPortLost(SerialError(text, Failure::Interrupted));
    } else {
        listener_->onLinkChanged();
    }
}

void SerialControl::onDeviceOpened() {
    link_ = Link::Open;
    // The delay of a server's next try keeps growing until traffic passes.
    probation_ = std::exchange(reconnecting_, false);
    if (!probation_) deviceMaker_.stopWatching();
    if (listener_ != nullptr) listener_->onLinkChanged();
}

void SerialControl::onOpenFailed(std::string_view said) {
    // The device that said it is let go of here.
    const std::string reason(said);
    device_.reset();
    if (reconnecting_) {
        link_ = Link::Away;
        deviceMaker_.watchFor(devicePath(), *this);
        return;
    }
    link_ = Link::Closed;
    if (listener_ != nullptr) {
        listener_->onPortOpenFailed(
            SerialError(describeOpenFailure(portNumber_, devicePath(), reason, chooser_)));
    }
}

void SerialControl::onDeviceMayBeBack() {
    if (link_ != Link::Away) return;
    try {
        openDevice();
    } catch (const SerialError&) {
        link_ = Link::Away;
        deviceMaker_.watchFor(devicePath(), *this);
        return;
    }
    if (link_ == Link::Open) onDeviceOpened();
}

std::string SerialControl::deviceName() const {
    return qm5::deviceName(portNumber_, devicePath());
}

}  // namespace qm5
