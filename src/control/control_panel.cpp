// SPDX-License-Identifier: MIT
#include "control/control_panel.h"
#include "core/escaped_name.h"

#include <QCoreApplication>

#include "core/controls.h"
#include "core/intervals.h"
#include "core/timer.h"
#include "link/port_devices.h"
#include "link/serial_control.h"

namespace qm5 {

ControlPanel::ControlPanel(PanelPlatform& platform, SerialControl& serial, PortDevices& devices)
    : platform_(platform),
      serial_(serial),
      devices_(devices),
      warnings_(platform.messageBox),
      exchange_(platform, serial, state_),
      portSwitch_(serial, warnings_),
      oneShots_(platform, state_, exchange_),
      holds_(platform, state_, exchange_),
      views_(platform),
      portSelector_(platform),
      deviceChoice_(platform, serial, devices, portSwitch_, portSelector_, warnings_) {
    // Design-time settings: every timer stopped, with its starting interval.
    platform_.repeatTimer.setInterval(kRepeatAtStartMs);
    platform_.replyTimeout.setInterval(kReplyTimeoutMs);
    platform_.portSelectorTimer.setInterval(kSelectorAutoHideMs);
    platform_.monitorClearing.setInterval(kMonitorClearingMs);
    bindClicks();
    for (const HoldButton& button : holdButtons()) holdButtons_.emplace(button.control, &button);

    platform_.repeatTimer.setTickHandler([this] { dispatch([this] { holds_.onRepeatTick(); }); });
    platform_.replyTimeout.setTickHandler(
        [this] { dispatch([this] { exchange_.onReplyTimeout(); }); });
    platform_.portSelectorTimer.setTickHandler(
        [this] { dispatch([this] { portSelector_.onTimeout(); }); });
    platform_.monitorClearing.setTickHandler(
        [this] { dispatch([this] { exchange_.onMonitorClearing(); }); });
    serial_.setListener(*this);
}

void ControlPanel::onSerialEvent(LineEvent event) {
    if (event != LineEvent::Received) return;
    dispatch([this] { exchange_.onReceived(); });
}

void ControlPanel::onPortLost(const SerialError& error) {
    dispatch([this, &error] {
        portChanged();
        reportFailure(error);
    });
}

void ControlPanel::onPortOpenFailed(const SerialError& error) {
    dispatch([this, &error] {
        if (deviceChoice_.pending()) {
            deviceChoice_.keepDeviceBefore(error.what());
        } else if (std::exchange(startingUp_, false)) {
            reportFailure(error, serial_.watchForDevice());
        } else {
            portSwitch_.openFailedLate(error.what());
        }
        portChanged();
    });
}

void ControlPanel::onLinkChanged() {
    dispatch([this] {
        startingUp_ = false;
        if (serial_.isOpen()) warnings_.withdraw(devices_.deviceFor(serial_.portNumber()));
        deviceChoice_.onPortOpened();
        portChanged();
    });
}

void ControlPanel::bindClicks() {
    for (const OneShotButton& button : oneShotButtons()) {
        clickHandlers_.emplace(button.control, [this, &button] { oneShots_.click(button); });
    }
    clickHandlers_.emplace(control::kEndButton, [this] { end(); });
    clickHandlers_.emplace(control::kComButton, [this] { portSelector_.onComButton(); });
    clickHandlers_.emplace(control::kViewToggle, [this] { views_.onViewToggle(); });
    clickHandlers_.emplace(control::kCom1Option, [this] { choosePort(1); });
    clickHandlers_.emplace(control::kCom2Option, [this] { choosePort(2); });
}

void ControlPanel::load(int port) {
    dispatch([this, port] {
        Window& window = platform_.window;
        // Centred for the full design height, then cut down: the top edge stays put.
        window.setLeft((window.screenWidth() - window.width()) / 2.0F);
        window.setTop((window.screenHeight() - window.height()) / 2.0F);
        window.setHeight(Views::kNormalHeight);
        state_.repeatCode = 0;
        state_.replyPending = false;
        state_.receiveText.clear();
        serial_.setPortNumber(static_cast<std::int16_t>(port));
        serial_.setLineSettings(kLineSettings);
        try {
            serial_.setOpen(true);
        } catch (const SerialError& error) {
            reportFailure(error, serial_.watchForDevice());
            return;
        }
        // Selected without its click: the port switch would close and reopen the port just
        // opened, work done twice (two negotiations with a server).
        platform_.controls.setValue(port == 1 ? control::kCom1Option : control::kCom2Option, true);
        startingUp_ = serial_.link() == SerialControl::Link::Connecting;
    });
    portChanged();
}

void ControlPanel::keyDown(std::int16_t keyCode, std::int16_t shift) {
    dispatch([&] { views_.onKeyDown(keyCode, shift); });
}

void ControlPanel::click(std::string_view control) {
    if (const auto handler = clickHandlers_.find(control); handler != clickHandlers_.end()) {
        dispatch(handler->second);
    }
}

void ControlPanel::mouseDown(std::string_view control) {
    if (const auto button = holdButtons_.find(control); button != holdButtons_.end()) {
        dispatch([&] { holds_.press(*button->second); });
    }
}

void ControlPanel::mouseUp(std::string_view control) {
    if (const auto button = holdButtons_.find(control); button != holdButtons_.end()) {
        dispatch([&] { holds_.release(*button->second); });
    }
}

void ControlPanel::choosePort(int port) {
    startingUp_ = false;
    deviceChoice_.forget();
    const bool open = portSwitch_.switchTo(port);
    portChanged();
    if (open) portSelector_.hide();
}

void ControlPanel::portChanged() {
    const int port = portSelector_.portInUse(serial_);
    const std::string device = devices_.deviceFor(port);
    describePort(port, device);
    if (portInUse_ != nullptr) portInUse_->onPortInUse(port, device, serial_.isOpen());
}

void ControlPanel::describePort(int port, const std::string& device) {
    // %1 the port, %2 its device.
    const char* link = QT_TRANSLATE_NOOP("ControlPanel", "%1: %2 (not open)");
    switch (serial_.link()) {
        case SerialControl::Link::Open:
            link = QT_TRANSLATE_NOOP("ControlPanel", "%1: %2 (open)");
            break;
        case SerialControl::Link::Connecting:
            link = QT_TRANSLATE_NOOP("ControlPanel", "%1: %2 (connecting)");
            break;
        case SerialControl::Link::Away:
            link = QT_TRANSLATE_NOOP("ControlPanel",
                                     "%1: %2 (away: reconnects by itself when it is back)");
            break;
        case SerialControl::Link::Closed:
            break;
    }
    platform_.controls.setDescription(control::kComButton,
                                      QCoreApplication::translate("ControlPanel", link)
                                          .arg(QString::fromStdString(portLabel(port)),
                                               QString::fromStdString(escapedName(device)))
                                          .toStdString());
}

std::optional<LineRefusal> ControlPanel::busyFor() const {
    if (ended_) return LineRefusal{Failure::Interrupted, "the panel is ending"};
    if (state_.repeatCode != 0) {
        return LineRefusal{Failure::Busy,
                           "a button is held on the panel; send again once it is released"};
    }
    return std::nullopt;
}

std::optional<LineRefusal> ControlPanel::sendAsButton(std::string_view code) {
    try {
        for (const OneShotButton& button : oneShotButtons()) {
            if (button.code == code) {
                oneShots_.click(button);
                return std::nullopt;
            }
        }
        exchange_.send(code);
    } catch (const SerialError& error) {
        reportFailure(error);
        return LineRefusal{error.failure(), error.what()};
    }
    return std::nullopt;
}

std::optional<LineRefusal> ControlPanel::sendRaw(std::string_view text) {
    try {
        exchange_.send(text);
    } catch (const SerialError& error) {
        reportFailure(error);
        return LineRefusal{error.failure(), error.what()};
    }
    return std::nullopt;
}

void ControlPanel::requestEnd() {
    dispatch([this] { end(); });
}

void ControlPanel::end() {
    // The program ends whether or not the port closes cleanly.
    try {
        serial_.setOpen(false);
    } catch (const SerialError&) {
    }
    warnings_.clear();
    platform_.window.end();
    ended_ = true;
}

void ControlPanel::chooseDevice(int port) {
    dispatch(
        [this, port] { platform_.devicePicker.pickDevice(port, devices_.deviceFor(port), *this); });
}

std::optional<std::string> ControlPanel::refusal(std::string_view device) const {
    return DeviceChoice::refusal(device);
}

void ControlPanel::onDeviceChosen(int port, std::string_view picked) {
    dispatch([this, port, picked = std::string(picked)] {
        if (deviceChoice_.use(port, picked)) portChanged();
    });
}

void ControlPanel::dispatch(const std::function<void()>& handler) {
    if (ended_) return;
    try {
        handler();
    } catch (const SerialError& error) {
        reportFailure(error);
    }
}

void ControlPanel::reportFailure(const SerialError& error, std::string_view note) {
    // A held button whose sends fail must not keep failing.
    platform_.repeatTimer.setEnabled(false);
    if (error.alreadyTold()) return;
    warnings_.show(std::string(error.what()) + std::string(note),
                   devices_.deviceFor(serial_.portNumber()));
}

}  // namespace qm5
