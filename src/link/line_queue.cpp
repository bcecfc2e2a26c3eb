// SPDX-License-Identifier: MIT
#include "link/line_queue.h"

#include <algorithm>
#include <utility>

#include "core/intervals.h"
#include "link/reply_end.h"
#include "link/traffic_log.h"

namespace qm5 {

LineQueue::LineQueue(LineTarget& target, Timer& replyTimeout, Timer& nextTurn)
    : target_(target), replyTimeout_(replyTimeout), nextTurn_(nextTurn) {
    replyTimeout_.setInterval(kReplyTimeoutMs);
    replyTimeout_.setTickHandler([this] { onReplyTimeout(); });
    nextTurn_.setTickHandler([this] {
        nextTurn_.setEnabled(false);
        sendNext();
    });
}

LineQueue::~LineQueue() {
    replyTimeout_.setEnabled(false);
    replyTimeout_.setTickHandler({});
    nextTurn_.setEnabled(false);
    nextTurn_.setTickHandler({});
}

void LineQueue::add(Request request) {
    waiting_.push_back(std::move(request));
    sendNextSoon();
}

template <typename Predicate>
std::size_t LineQueue::countPending(Predicate is) const {
    const auto waiting = std::count_if(waiting_.begin(), waiting_.end(), is);
    return static_cast<std::size_t>(waiting) + (current_ && is(*current_) ? 1 : 0);
}

std::size_t LineQueue::pendingFor(const LineAsker& asker) const {
    return countPending([&](const Request& request) { return request.asker == &asker; });
}

bool LineQueue::pending(const LineAsker& asker, std::uint64_t ticket) const {
    return countPending([&](const Request& request) {
               return request.asker == &asker && request.ticket == ticket;
           }) > 0;
}

void LineQueue::sendNextSoon() {
    sendNextIn(kNextTurnMs);
}

void LineQueue::sendNextIn(int milliseconds) {
    // A turn sooner than the one waited for replaces it; a later one does not.
    if (nextTurn_.enabled() && nextTurn_.interval() <= milliseconds) return;
    nextTurn_.setInterval(milliseconds);
    nextTurn_.setEnabled(true);
}

void LineQueue::sendNext() {
    while (!current_ && !waiting_.empty()) {
        if (!waiting_.front().asker->stillWanted(waiting_.front().ticket)) {
            const Request gone = std::move(waiting_.front());
            waiting_.pop_front();
            gone.asker->onLineAnswer(
                gone.ticket,
                {gone.text, LineRefusal{Failure::Interrupted, "no longer wanted"}, {}, false});
            continue;
        }
        // A script is refused at once while a button is held, not after the held frames' replies.
        if (const auto busy = target_.busyFor()) {
            if (refuseWhileBusy(*busy)) sendNextIn(kHeldRecheckMs);
            return;
        }
        if (awaiting_ != Awaiting::Nothing) return;
        current_ = std::move(waiting_.front());
        waiting_.pop_front();
        sendRequestFrame();
    }
}

bool LineQueue::refuseWhileBusy(const LineRefusal& busy) {
    const bool ending = busy.failure == Failure::Interrupted;
    std::deque<Request> kept;
    std::deque<Request> refused;
    for (Request& request : waiting_) {
        (ending || request.whenHeld == WhenHeld::Refuse ? refused : kept)
            .push_back(std::move(request));
    }
    waiting_ = std::move(kept);
    for (const Request& request : refused) {
        request.asker->onLineAnswer(request.ticket, {request.text, busy, {}, false});
    }
    return !waiting_.empty();
}

void LineQueue::sendRequestFrame() {
    sending_ = true;
    // A failure shows a warning box, whose event loop may run the queue's timers meanwhile.
    const auto refused =
        current_->raw ? target_.sendRaw(current_->text) : target_.sendAsButton(current_->text);
    sending_ = false;
    if (!current_) return;
    if (refused) {
        const Request done = *std::exchange(current_, std::nullopt);
        done.asker->onLineAnswer(done.ticket, {done.text, refused, {}, false});
    } else if (awaiting_ != Awaiting::Ours) {
        finish(false);  // nothing went out: nothing will come back
    }
}

void LineQueue::onFrameSent(std::string_view port, std::string_view device) {
    // A click: what comes now is its reply, and the next frame of ours waits for it.
    if (!sending_ && awaiting_ == Awaiting::Ours) finish(true);
    awaiting_ = sending_ ? Awaiting::Ours : Awaiting::Others;
    reply_.clear();
    port_ = port;
    device_ = device;
    replyTimeout_.setEnabled(true);
}

void LineQueue::onReceived(std::string_view piece) {
    if (awaiting_ == Awaiting::Nothing) return;
    // A click's reply is collected too, only to know when it is whole.
    reply_.append(piece);
    if (!replyComplete(reply_.chars())) return;
    if (awaiting_ == Awaiting::Ours) {
        finish(false);
    } else {
        replyTimeout_.setEnabled(false);
        awaiting_ = Awaiting::Nothing;
        sendNextSoon();
    }
}

void LineQueue::onReplyTimeout() {
    replyTimeout_.setEnabled(false);
    if (awaiting_ == Awaiting::Ours) {
        finish(false);
        return;
    }
    awaiting_ = Awaiting::Nothing;
    sendNextSoon();
}

void LineQueue::finish(bool cutShort) {
    replyTimeout_.setEnabled(false);
    awaiting_ = Awaiting::Nothing;
    if (!current_) return;
    if (reply_.empty() && !cutShort && log_ != nullptr) {
        log_->recordNoReply(port_, device_, kReplyTimeoutMs);
    }
    const Request done = *std::exchange(current_, std::nullopt);
    const LineAnswer answer{done.text, std::nullopt, std::exchange(reply_, {}), cutShort};
    done.asker->onLineAnswer(done.ticket, answer);
    sendNextSoon();
}

}  // namespace qm5
