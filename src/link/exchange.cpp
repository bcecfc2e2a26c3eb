// SPDX-License-Identifier: MIT
#include "link/exchange.h"

#include "core/controls.h"
#include "core/timer.h"
#include "link/frame.h"
#include "link/port_devices.h"
#include "link/reply_status.h"
#include "link/serial_control.h"

namespace qm5 {

void Exchange::send(std::string_view code) {
    state_.sendText.assign(frameOf(code));
    // Characters still kept from before (a late reply, noise) must not be read as the answer to
    // this frame; the RXD line shows them all the same.
    state_.receiveText.markReplyStart();
    sendText(state_.sendText);
}

void Exchange::sendText(const TrafficText& text) {
    // Written before anything is shown: a failed write leaves the monitor as it was.
    serial_.write(text.chars());
    if (listener_ != nullptr)
        listener_->onFrameSent(portLabel(serial_.portNumber()), serial_.devicePath());
    record(TrafficRecorder::Direction::Sent, text.chars());
    platform_.controls.setCaption(control::kTxdLine, text.monitor());
    platform_.replyTimeout.setEnabled(true);
    state_.replyPending = true;
    platform_.monitorClearing.setEnabled(true);
}

void Exchange::showReceived(const TrafficText& text) {
    platform_.controls.setCaption(control::kRxdLine, text.monitor());
    if (const auto status = replyStatus(state_.sendText.chars(), text.reply())) {
        platform_.controls.setCaption(control::kStatusLine, *status);
    }
}

void Exchange::onReceived() {
    const std::string piece = serial_.readAll();
    if (listener_ != nullptr) listener_->onReceived(piece);
    record(TrafficRecorder::Direction::Received, piece);
    state_.receiveText.append(piece);
    state_.replyPending = false;
    showReceived(state_.receiveText);
}

void Exchange::record(TrafficRecorder::Direction direction, std::string_view chars) {
    if (recorder_ == nullptr) return;
    recorder_->record(direction, portLabel(serial_.portNumber()), serial_.devicePath(), chars);
}

void Exchange::onReplyTimeout() {
    if (state_.replyPending) {
        platform_.controls.setCaption(control::kRxdLine, kNoReplyMark);
    }
    platform_.replyTimeout.setEnabled(false);
    state_.receiveText.clear();
    state_.replyPending = false;
}

void Exchange::onMonitorClearing() {
    platform_.controls.setCaption(control::kTxdLine, "");
    platform_.controls.setCaption(control::kRxdLine, "");
    platform_.controls.setCaption(control::kStatusLine, "");
    platform_.monitorClearing.setEnabled(false);
}

}  // namespace qm5
