// SPDX-License-Identifier: MIT
#include "control/device_choice.h"

#include <utility>
#include <variant>

#include <QCoreApplication>
#include <QString>

#include "control/port_selector.h"
#include "core/controls.h"
#include "core/platform.h"
#include "core/warning_box.h"
#include "devices/device_address.h"
#include "devices/serial_devices.h"
#include "link/port_devices.h"
#include "link/port_switch.h"
#include "link/serial_control.h"

namespace qm5 {

namespace {

std::string trimmed(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\n";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(kBlanks) - first + 1));
}

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

DeviceChoice::DeviceChoice(PanelPlatform& platform, SerialControl& serial, PortDevices& devices,
                           PortSwitch& portSwitch, PortSelector& portSelector, WarningBox& warnings)
    : platform_(platform),
      serial_(serial),
      devices_(devices),
      portSwitch_(portSwitch),
      portSelector_(portSelector),
      warnings_(warnings) {}

std::optional<std::string> DeviceChoice::refusal(std::string_view device) {
    const std::string text = trimmed(device);
    if (text.empty()) {
        return QCoreApplication::translate("DeviceChoice",
                                           "Give a device: a serial port's path, "
                                           "rfc2217://HOST:PORT or socket://HOST:PORT.")
            .toStdString();
    }
    const auto parsed = parseDevice(text);
    if (const auto* wrong = std::get_if<AddressError>(&parsed)) {
        //: %1 is the reason the device is refused, a sentence without its full stop.
        return QCoreApplication::translate("DeviceChoice", "%1.").arg(q(wrong->what)).toStdString();
    }
    return std::nullopt;
}

bool DeviceChoice::use(int port, std::string_view picked) {
    const std::string device = trimmed(picked);
    if (device.empty() || device == devices_.deviceFor(port)) return false;
    if (port != portSelector_.portInUse(serial_)) {
        remember(port, device);
        return false;
    }
    tryDevice(port, device);
    return true;
}

void DeviceChoice::tryDevice(int port, const std::string& device) {
    pending_ = Pending{port, device, devices_.deviceFor(port), devices_.chosen(port)};
    devices_.use(port, device);
    if (const std::optional<std::string> failure = portSwitch_.tryOpen(port)) {
        keepDeviceBefore(*failure);
        return;
    }
    // As a click on the port's option would have left it.
    const std::string_view option = port == 1 ? control::kCom1Option : control::kCom2Option;
    platform_.controls.setValue(option, true);
    portSelector_.hide();
    // A server is remembered once it has answered.
    if (serial_.link() == SerialControl::Link::Open) {
        pending_.reset();
        remember(port, device);
    }
}

void DeviceChoice::onPortOpened() {
    if (const auto choice = std::exchange(pending_, std::nullopt)) {
        remember(choice->port, choice->device);
    }
}

void DeviceChoice::keepDeviceBefore(const std::string& failure) {
    const Pending choice = *std::exchange(pending_, std::nullopt);
    // A typo must not cost the working line.
    devices_.use(choice.port, choice.chosenBefore);
    const bool reopened = !portSwitch_.tryOpen(choice.port);
    //: %1 is why the new device failed, %2 the port (COM1), %3 the device it had before.
    const QString kept =
        reopened ? QCoreApplication::translate("DeviceChoice", "%1 %2 keeps %3.")
                 : QCoreApplication::translate("DeviceChoice",
                                               "%1 %2 keeps %3, which cannot be opened either.");
    warnings_.show(kept.arg(q(failure), q(portLabel(choice.port)), q(choice.before)).toStdString());
}

std::vector<FoundDevice> DeviceChoice::presentDevices() {
    return findSerialDevices();
}

void DeviceChoice::findProjectors(const std::vector<std::string>& devices, FindResults& results) {
    findResults_ = &results;
    finder_ = std::make_unique<ProjectorFinder>(devices, static_cast<FinderEvents&>(*this));
    finder_->start();
}

void DeviceChoice::stopFinding(const FindResults& results) {
    if (findResults_ != &results) return;
    findResults_ = nullptr;
    finder_.reset();
}

void DeviceChoice::onSearchDone(const std::vector<SearchAnswer>& answers) {
    std::vector<FoundDevice> projectors;
    for (const SearchAnswer& answer : answers) {
        if (answer.status) projectors.push_back({answer.device, *answer.status});
    }
    if (auto* results = std::exchange(findResults_, nullptr))
        results->onProjectorsFound(projectors);
}

void DeviceChoice::remember(int port, const std::string& device) {
    if (const auto failure = devices_.choose(port, device)) {
        //: %1 is the device, %2 the port (COM1), %3 why it cannot be saved.
        warnings_.show(
            QCoreApplication::translate(
                "DeviceChoice",
                "%1 is used for %2 until the program ends, but cannot be remembered: %3.")
                .arg(q(device), q(portLabel(port)), q(*failure))
                .toStdString());
    }
}

}  // namespace qm5
