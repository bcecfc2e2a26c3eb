// SPDX-License-Identifier: MIT
#include "app/form1.h"

#include "core/timer.h"
#include "link/serial_control.h"

namespace qm5 {

Form1::Form1(FormPlatform& platform)
    : platform_(platform),
      warnings_(platform.messageBox),
      exchange_(platform, state_),
      portSelector_(platform, warnings_),
      oneShots_(platform, state_, exchange_),
      holds_(platform, state_, exchange_),
      views_(platform) {
    // Design-time settings: every timer stopped, with its starting interval.
    platform_.Timer1.setInterval(HoldButtons::kRepeatAtStartMs);
    platform_.Timer2.setInterval(Exchange::kReplyTimeoutMs);
    platform_.Timer3.setInterval(PortSelector::kAutoHideMs);
    platform_.Timer4.setInterval(Exchange::kMonitorClearingMs);
    bindClicks();
    for (const HoldButton& button : holdButtons()) holdButtons_.emplace(button.control, &button);

    platform_.Timer1.setTickHandler([this] { dispatch([this] { holds_.Timer1_Timer(); }); });
    platform_.Timer2.setTickHandler([this] { dispatch([this] { exchange_.Timer2_Timer(); }); });
    platform_.Timer3.setTickHandler([this] { dispatch([this] { portSelector_.Timer3_Timer(); }); });
    platform_.Timer4.setTickHandler([this] { dispatch([this] { exchange_.Timer4_Timer(); }); });
    platform_.MSComm1.setOnComm([this] { dispatch([this] { exchange_.MSComm1_OnComm(); }); });
    platform_.MSComm1.setOnDeviceLost(
        [this](const SerialError& error) { dispatch([this, &error] { reportFailure(error); }); });
}

void Form1::bindClicks() {
    for (const OneShotButton& button : oneShotButtons()) {
        clickHandlers_.emplace(button.control, [this, &button] { oneShots_.click(button); });
    }
    clickHandlers_.emplace("Command16", [this] {
        views_.Command16_Click();
        ended_ = true;
    });
    clickHandlers_.emplace("Command33", [this] { portSelector_.Command33_Click(); });
    clickHandlers_.emplace("Command34", [this] { views_.Command34_Click(); });
    clickHandlers_.emplace("Option1", [this] { portSelector_.Option1_Click(); });
    clickHandlers_.emplace("Option2", [this] { portSelector_.Option2_Click(); });
}

void Form1::Form_Load() {
    dispatch([this] {
        Window& window = platform_.window;
        // Centred for the full design height, then cut down: the top edge stays put.
        window.setLeft((window.screenWidth() - window.width()) / 2.0F);
        window.setTop((window.screenHeight() - window.height()) / 2.0F);
        window.setHeight(Views::kNormalHeight);
        state_.RepeatCode = 0;
        state_.ReplyPending = 0;
        state_.ReceiveText.clear();
        platform_.MSComm1.setCommPort(1);
        platform_.MSComm1.setSettings(kLineSettings);
        platform_.MSComm1.setPortOpen(true);
        selectOption("Option1");
    });
}

void Form1::Form_KeyDown(std::int16_t keyCode, std::int16_t shift) {
    dispatch([&] { views_.Form_KeyDown(keyCode, shift); });
}

void Form1::click(std::string_view control) {
    if (const auto handler = clickHandlers_.find(control); handler != clickHandlers_.end()) {
        dispatch(handler->second);
    }
}

void Form1::mouseDown(std::string_view control) {
    if (const auto button = holdButtons_.find(control); button != holdButtons_.end()) {
        dispatch([&] { holds_.mouseDown(*button->second); });
    }
}

void Form1::mouseUp(std::string_view control) {
    if (const auto button = holdButtons_.find(control); button != holdButtons_.end()) {
        dispatch([&] { holds_.mouseUp(*button->second); });
    }
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
    platform_.Timer1.setEnabled(false);
    warnings_.show(error.what());
}

}  // namespace qm5
