// SPDX-License-Identifier: MIT
#include "app/control_panel.h"

#include "core/intervals.h"
#include "core/layout_names.h"
#include "core/timer.h"
#include "link/port_devices.h"
#include "link/serial_control.h"

namespace qm5 {

namespace {

constexpr std::string_view kOpenedWhenBack =
    " Plug it in: the panel opens it by itself as soon as it is there.";

std::string trimmed(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\n";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(kBlanks) - first + 1));
}

}  // namespace

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
      portSelector_(platform) {
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

void ControlPanel::onLineEvent(LineEvent event) {
    dispatch([this, event] { exchange_.onLineEvent(event); });
}

void ControlPanel::onDeviceLost(const SerialError& error) {
    dispatch([this, &error] {
        describePort();
        reportFailure(error);
    });
}

void ControlPanel::onOpenFailed(const SerialError& error) {
    dispatch([this, &error] {
        if (pendingChoice_) {
            keepDeviceBefore(error.what());
        } else if (std::exchange(startingUp_, false)) {
            serial_.watchForDevice();
            reportFailure(error, kOpenedWhenBack);
        } else {
            reportFailure(error);
        }
        describePort();
    });
}

void ControlPanel::onLinkChanged() {
    dispatch([this] {
        startingUp_ = false;
        if (const auto choice = std::exchange(pendingChoice_, std::nullopt)) {
            rememberDevice(choice->port, choice->device);
        }
        describePort();
    });
}

void ControlPanel::bindClicks() {
    for (const OneShotButton& button : oneShotButtons()) {
        clickHandlers_.emplace(button.control, [this, &button] { oneShots_.click(button); });
    }
    clickHandlers_.emplace(layout::kEndButton, [this] { end(); });
    clickHandlers_.emplace(layout::kComButton, [this] { portSelector_.onComButton(); });
    clickHandlers_.emplace(layout::kViewToggle, [this] { views_.onViewToggle(); });
    clickHandlers_.emplace(layout::kCom1Option, [this] { choosePort(1); });
    clickHandlers_.emplace(layout::kCom2Option, [this] { choosePort(2); });
}

void ControlPanel::load() {
    dispatch([this] {
        Window& window = platform_.window;
        // Centred for the full design height, then cut down: the top edge stays put.
        window.setLeft((window.screenWidth() - window.width()) / 2.0F);
        window.setTop((window.screenHeight() - window.height()) / 2.0F);
        window.setHeight(Views::kNormalHeight);
        state_.repeatCode = 0;
        state_.replyPending = 0;
        state_.receiveText.clear();
        serial_.setPortNumber(1);
        serial_.setLineSettings(kLineSettings);
        try {
            serial_.setOpen(true);
        } catch (const SerialError& error) {
            serial_.watchForDevice();
            reportFailure(error, kOpenedWhenBack);
            return;
        }
        // Selected without its click: the port switch would close and reopen the port just
        // opened, work done twice (two negotiations with a server).
        platform_.controls.setValue(layout::kCom1Option, true);
        startingUp_ = serial_.link() == SerialControl::Link::Connecting;
    });
    describePort();
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
    pendingChoice_.reset();
    const bool open = portSwitch_.switchTo(port);
    describePort();
    if (open) portSelector_.hide();
}

void ControlPanel::describePort() {
    const int port = currentPort();
    std::string_view link = " (not open)";
    switch (serial_.link()) {
        case SerialControl::Link::Open:
            link = " (open)";
            break;
        case SerialControl::Link::Connecting:
            link = " (connecting)";
            break;
        case SerialControl::Link::Away:
            link = " (away: reconnects by itself when it is back)";
            break;
        case SerialControl::Link::Closed:
            break;
    }
    const std::string device = devices_.deviceFor(port);
    platform_.controls.setDescription(layout::kComButton,
                                      portLabel(port) + ": " + device + std::string(link));
    if (portInUse_ != nullptr) portInUse_->onPortInUse(device, serial_.isOpen());
}

std::optional<std::string> ControlPanel::sendAsButton(std::string_view code) {
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
        return error.what();
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
    platform_.window.end();
    ended_ = true;
}

void ControlPanel::chooseDevice(int port) {
    dispatch([this, port] {
        const std::string inUse = devices_.deviceFor(port);
        const auto picked = platform_.devicePicker.pickDevice(port, inUse);
        if (!picked) return;
        const std::string device = trimmed(*picked);
        if (device.empty() || device == inUse) return;
        if (port != currentPort()) {
            rememberDevice(port, device);
            return;
        }
        tryDevice(port, device);
        describePort();
    });
}

void ControlPanel::tryDevice(int port, const std::string& device) {
    pendingChoice_ = PendingChoice{port, device, devices_.deviceFor(port), devices_.chosen(port)};
    devices_.use(port, device);
    if (const std::optional<std::string> failure = portSwitch_.tryOpen(port)) {
        keepDeviceBefore(*failure);
        return;
    }
    // As a click on the port's option would have left it.
    const std::string_view option = port == 1 ? layout::kCom1Option : layout::kCom2Option;
    platform_.controls.setValue(option, true);
    portSelector_.hide();
    // A server is remembered once it has answered.
    if (serial_.link() == SerialControl::Link::Open) {
        pendingChoice_.reset();
        rememberDevice(port, device);
    }
}

void ControlPanel::keepDeviceBefore(const std::string& failure) {
    const PendingChoice choice = *std::exchange(pendingChoice_, std::nullopt);
    // A typo must not cost the working line.
    devices_.use(choice.port, choice.chosenBefore);
    const bool reopened = !portSwitch_.tryOpen(choice.port);
    warnings_.show(failure + " " + portLabel(choice.port) + " keeps " + choice.before +
                   (reopened ? "." : ", which cannot be opened either."));
}

void ControlPanel::rememberDevice(int port, const std::string& device) {
    if (const auto failure = devices_.choose(port, device)) {
        warnings_.show(device + " is used for " + portLabel(port) +
                       " until the program ends, but cannot be remembered: " + *failure + ".");
    }
}

int ControlPanel::currentPort() const {
    if (platform_.controls.value(layout::kCom1Option)) return 1;
    if (platform_.controls.value(layout::kCom2Option)) return 2;
    return serial_.portNumber();
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
    if (!error.alreadyTold()) warnings_.show(std::string(error.what()) + std::string(note));
}

}  // namespace qm5
