// SPDX-License-Identifier: MIT
#include "app/form1.h"

#include "core/intervals.h"
#include "core/layout_names.h"
#include "core/timer.h"
#include "link/port_devices.h"
#include "link/serial_control.h"

namespace qm5 {

Form1::Form1(FormPlatform& platform, SerialControl& serial, PortDevices& devices)
    : platform_(platform),
      serial_(serial),
      devices_(devices),
      warnings_(platform.messageBox),
      exchange_(platform, serial, state_),
      portSwitch_(serial, warnings_),
      oneShots_(platform, state_, exchange_),
      holds_(platform, state_, exchange_),
      views_(platform, serial) {
    // Design-time settings: every timer stopped, with its starting interval.
    platform_.repeatTimer.setInterval(kRepeatAtStartMs);
    platform_.replyTimeout.setInterval(kReplyTimeoutMs);
    platform_.selectorTimer.setInterval(kSelectorAutoHideMs);
    platform_.monitorClearing.setInterval(kMonitorClearingMs);
    bindClicks();
    for (const HoldButton& button : holdButtons()) holdButtons_.emplace(button.control, &button);

    platform_.repeatTimer.setTickHandler([this] { dispatch([this] { holds_.onRepeatTick(); }); });
    platform_.replyTimeout.setTickHandler(
        [this] { dispatch([this] { exchange_.onReplyTimeout(); }); });
    platform_.selectorTimer.setTickHandler(
        [this] { dispatch([this] { views_.onSelectorTimeout(); }); });
    platform_.monitorClearing.setTickHandler(
        [this] { dispatch([this] { exchange_.onMonitorClearing(); }); });
    serial_.setOnEvent([this] { dispatch([this] { exchange_.onSerialEvent(); }); });
    serial_.setOnDeviceLost(
        [this](const SerialError& error) { dispatch([this, &error] { reportFailure(error); }); });
}

void Form1::bindClicks() {
    for (const OneShotButton& button : oneShotButtons()) {
        clickHandlers_.emplace(button.control, [this, &button] { oneShots_.click(button); });
    }
    clickHandlers_.emplace(layout::kEndButton, [this] {
        views_.onEnd();
        ended_ = true;
    });
    clickHandlers_.emplace(layout::kComButton, [this] { views_.onComButton(); });
    clickHandlers_.emplace(layout::kViewToggle, [this] { views_.onViewToggle(); });
    clickHandlers_.emplace(layout::kCom1Option, [this] { choosePort(1); });
    clickHandlers_.emplace(layout::kCom2Option, [this] { choosePort(2); });
}

void Form1::load() {
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
        serial_.setOpen(true);
        selectOption(layout::kCom1Option);
    });
}

void Form1::keyDown(std::int16_t keyCode, std::int16_t shift) {
    dispatch([&] { views_.onKeyDown(keyCode, shift); });
}

void Form1::click(std::string_view control) {
    if (const auto handler = clickHandlers_.find(control); handler != clickHandlers_.end()) {
        dispatch(handler->second);
    }
}

void Form1::mouseDown(std::string_view control) {
    if (const auto button = holdButtons_.find(control); button != holdButtons_.end()) {
        dispatch([&] { holds_.press(*button->second); });
    }
}

void Form1::mouseUp(std::string_view control) {
    if (const auto button = holdButtons_.find(control); button != holdButtons_.end()) {
        dispatch([&] { holds_.release(*button->second); });
    }
}

void Form1::choosePort(int port) {
    if (portSwitch_.switchTo(port)) views_.hidePortSelector();
}

void Form1::chooseDevice(int port) {
    dispatch([this, port] {
        const auto device = platform_.devicePicker.pickDevice(port, devices_.deviceFor(port));
        if (!device) return;
        if (const auto failure = devices_.choose(port, *device)) {
            warnings_.show(*device + " is used for " + portLabel(port) +
                           " until the program ends, but cannot be remembered: " + *failure + ".");
        }
        if (port != currentPort()) return;
        // Selecting an option raises its click, which switches to the port.
        const std::string_view option = port == 1 ? layout::kCom1Option : layout::kCom2Option;
        if (platform_.controls.value(option)) {
            choosePort(port);
        } else {
            selectOption(option);
        }
    });
}

int Form1::currentPort() const {
    if (platform_.controls.value(layout::kCom1Option)) return 1;
    if (platform_.controls.value(layout::kCom2Option)) return 2;
    return serial_.portNumber();
}

void Form1::selectOption(std::string_view option) {
    if (platform_.controls.value(option)) return;
    platform_.controls.setValue(option, true);
    clickHandlers_.at(option)();
}

void Form1::dispatch(const std::function<void()>& handler) {
    if (ended_) return;
    try {
        handler();
    } catch (const SerialError& error) {
        reportFailure(error);
    }
}

void Form1::reportFailure(const SerialError& error) {
    // A held button whose sends fail must not keep failing.
    platform_.repeatTimer.setEnabled(false);
    warnings_.show(error.what());
}

}  // namespace qm5
