// SPDX-License-Identifier: MIT
#include "link/projector_search.h"

#include <QCoreApplication>

#include <utility>

#include "core/intervals.h"
#include "core/monitor_text.h"
#include "core/serial_error.h"
#include "devices/canonical_device.h"
#include "devices/line_settings.h"
#include "link/reply_end.h"
#include "link/reply_status.h"

namespace qm5 {

namespace {

std::string trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

}  // namespace

SearchAnswer answerOf(std::string device, std::string_view chars) {
    SearchAnswer answer{std::move(device)};
    if (chars.empty()) return answer;
    answer.replyChars = chars;
    answer.replied = true;
    answer.reply = monitorText(chars);
    if (const auto status = replyStatus(kSearchQuery, chars)) {
        answer.status = trimmed(*status);
    }
    return answer;
}

DeviceQuery::DeviceQuery(std::string device, DeviceMaker& maker, QueryEvents& events,
                         const OpenDevices& open)
    : device_(std::move(device)), maker_(maker), events_(events), open_(open) {
    limit_.setSingleShot(true);
    limit_.setTimerType(Qt::PreciseTimer);
    connect(&limit_, &QTimer::timeout, this, &DeviceQuery::onLimit);
}

void DeviceQuery::start() {
    if (takenByAProcess(device_, open_)) {
        finish(QCoreApplication::translate(
                   "OpenFailure", "in use by another program (or another copy of this one).")
                   .toStdString(),
               Failure::Busy);
        return;
    }
    look_ = std::make_unique<LineLook>(canonicalDevice(device_));
    if (look_->heldExclusively()) {
        finish(QCoreApplication::translate(
                   "ProjectorSearch",
                   "held exclusively by another program (or another copy of this one).")
                   .toStdString(),
               Failure::Busy);
        return;
    }
    try {
        line_ = maker_.makeDevice(0, device_, *this);
        if (!line_->open(parseLineSettings("19200,N,8,1"))) {
            limit_.start(kOpenLimitMs);
            return;
        }
    } catch (const DeviceFailure& failure) {
        finish(failure.reason, failure.failure);
        return;
    } catch (const SerialError& error) {
        finish(error.what(), error.failure());
        return;
    }
    send();
}

void DeviceQuery::send() {
    try {
        line_->write(kSearchQuery);
    } catch (const DeviceFailure& failure) {
        finish(failure.reason, failure.failure);
        return;
    }
    sent_ = true;
    record(TrafficRecorder::Direction::Sent, kSearchQuery);
    limit_.start(kReplyTimeoutMs);
}

void DeviceQuery::record(TrafficRecorder::Direction direction, std::string_view chars) {
    if (recorder_ != nullptr) recorder_->record(direction, "FIND", device_, chars);
}

void DeviceQuery::onLineReport(LineEvent event) {
    if (event != LineEvent::Received || done_) return;
    const std::string piece = line_->readAll();
    record(TrafficRecorder::Direction::Received, piece);
    reply_ += piece.substr(0, kLongestReply - reply_.size());
    if (replyComplete(reply_) || reply_.size() == kLongestReply) finish();
}

void DeviceQuery::onLimit() {
    finish(sent_ ? std::string()
                 : QCoreApplication::translate("ProjectorSearch", "no connection within %1 ms.")
                       .arg(kOpenLimitMs)
                       .toStdString());
}

void DeviceQuery::finish(const std::string& error, Failure failure) {
    if (done_) return;
    done_ = true;
    limit_.stop();
    if (line_) line_->close();
    look_.reset();
    SearchAnswer answer = answerOf(device_, reply_);
    answer.error = error;
    answer.failure = failure;
    events_.onAnswered(answer);
}

}  // namespace qm5
