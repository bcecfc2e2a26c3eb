// SPDX-License-Identifier: MIT
#include "mqtt/state_polling.h"

#include <algorithm>
#include <array>

#include "link/frame.h"
#include "link/reply_end.h"
#include "link/reply_status.h"
#include "link/status_decoding.h"

namespace qm5 {

namespace {

constexpr std::array<std::string_view, 3> kQueryCodes{"CR0", "CR1", "CR3"};
constexpr std::string_view kInputWords = " Input ";
/// The lamp counter's digits; more would be no lamp time.
constexpr std::size_t kLongestLampTime = 9;

int milliseconds(std::chrono::seconds interval) {
    return static_cast<int>(std::chrono::milliseconds(interval).count());
}

}  // namespace

StatePolling::StatePolling(LineQueue& line, ProjectorStateListener& listener, Timer& powerTimer,
                           Timer& lampTimer, std::chrono::seconds every)
    : line_(line),
      listener_(listener),
      powerTimer_(powerTimer),
      lampTimer_(lampTimer),
      every_(std::max(every, kShortestEvery)) {
    powerTimer_.setInterval(milliseconds(every_));
    powerTimer_.setTickHandler([this] { onPowerTick(); });
    lampTimer_.setInterval(milliseconds(kLampEvery));
    lampTimer_.setTickHandler([this] { onLampTick(); });
}

StatePolling::~StatePolling() {
    for (Timer* timer : {&powerTimer_, &lampTimer_}) {
        timer->setEnabled(false);
        timer->setTickHandler({});
    }
}

void StatePolling::onLineOpen() {
    lineOpen_ = true;
    ask(Query::Power);
    ask(Query::LampTime);
    ask(Query::Input);
    powerTimer_.setEnabled(true);
    lampTimer_.setEnabled(true);
}

void StatePolling::onLineAway() {
    lineOpen_ = false;
    powerTimer_.setEnabled(false);
    lampTimer_.setEnabled(false);
}

void StatePolling::ask(Query query) {
    const auto ticket = static_cast<std::uint64_t>(query);
    // One of each at most: a slow projector must not pile its queries up.
    if (!lineOpen_ || line_.pending(*this, ticket)) return;
    line_.add(
        {this, ticket, std::string(kQueryCodes.at(ticket)), false, LineQueue::WhenHeld::Wait});
}

void StatePolling::onPowerTick() {
    ask(Query::Power);
    for (const Query query : {Query::Input, Query::LampTime}) {
        if ((askAgain_ & bitOf(query)) != 0) ask(query);
    }
    askAgain_ = 0;
}

void StatePolling::onLampTick() {
    ask(Query::LampTime);
}

void StatePolling::onLineAnswer(std::uint64_t ticket, const LineAnswer& answer) {
    const auto query = static_cast<Query>(ticket);
    // Not sent (the line went away, the program ends): asked when the line is open again.
    if (answer.refused) return;
    if (answer.cutShort) {
        askAgain_ |= bitOf(query);
        pollPowerEvery(kTransitionEvery);
        return;
    }
    const std::string& chars = answer.reply.chars();
    if (query == Query::LampTime) {
        readLampTime(chars);
        return;
    }
    const auto status = replyStatus(frameOf(answer.text), chars);
    if (!status) return;
    if (query == Query::Power) {
        readPower(*status);
    } else {
        readInput(*status);
    }
}

void StatePolling::readPower(const std::string& statusLine) {
    const std::string words = statusLine.substr(statusLine.find_first_not_of(' '));
    const bool changing = words == "Count down" || words == "Cooling down";
    pollPowerEvery(changing || askAgain_ != 0 ? kTransitionEvery : every_);
    listener_.onPowerState(words);
}

void StatePolling::readInput(const std::string& statusLine) {
    if (!statusLine.starts_with(kInputWords) || statusLine.size() != kInputWords.size() + 1) return;
    listener_.onInput(statusLine.back() - '0');
}

void StatePolling::readLampTime(std::string_view chars) {
    if (replyRefused(chars)) return;
    chars = replyProper(chars);
    const std::size_t digits = chars.find_first_not_of("0123456789");
    // The digits and the CR that ends them, nothing else.
    if (digits == 0 || digits > kLongestLampTime || chars.substr(digits) != "\r") return;
    listener_.onLampHours(std::stoll(std::string(chars.substr(0, digits))));
}

void StatePolling::pollPowerEvery(std::chrono::seconds interval) {
    // A new interval restarts the count: only a change may.
    if (powerTimer_.interval() != milliseconds(interval))
        powerTimer_.setInterval(milliseconds(interval));
}

}  // namespace qm5
