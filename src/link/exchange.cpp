// SPDX-License-Identifier: MIT
#include "link/exchange.h"

#include "core/timer.h"
#include "link/frame.h"
#include "link/serial_control.h"
#include "link/status_decoding.h"

namespace qm5 {

void Exchange::send(std::string_view code) {
    state_.SendText.assign(frameOf(code));
    Hyouji(state_.SendText, kSendMode);
}

void Exchange::Hyouji(const TrafficText& text, std::uint8_t mode) {
    if (mode == kSendMode) {
        // Written before anything is shown: a failed write leaves the monitor as it was.
        platform_.MSComm1.Output(text.chars());
        platform_.controls.setCaption(kTxdLine, text.monitor());
        platform_.Timer2.setEnabled(true);
        state_.ReplyPending = 1;
        platform_.Timer4.setEnabled(true);
        return;
    }
    platform_.controls.setCaption(kRxdLine, text.monitor());
    if (const auto status = decodeStatus(state_.SendText.chars(), text.monitor())) {
        platform_.controls.setCaption(kStatusLine, *status);
    }
}

void Exchange::MSComm1_OnComm() {
    if (platform_.MSComm1.CommEvent() != SerialControl::kComEvReceive) return;
    state_.ReceiveText.append(platform_.MSComm1.Input());
    state_.ReplyPending = 0;
    Hyouji(state_.ReceiveText, kReceiveMode);
}

void Exchange::Timer2_Timer() {
    if (state_.ReplyPending == 1) platform_.controls.setCaption(kRxdLine, kNoReplyMark);
    platform_.Timer2.setEnabled(false);
    state_.ReceiveText.clear();
    state_.ReplyPending = 0;
}

void Exchange::Timer4_Timer() {
    platform_.controls.setCaption(kTxdLine, "");
    platform_.controls.setCaption(kRxdLine, "");
    platform_.controls.setCaption(kStatusLine, "");
    platform_.Timer4.setEnabled(false);
}

}  // namespace qm5
