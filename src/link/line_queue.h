// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

#include "core/timer.h"
#include "core/traffic_text.h"
#include "link/exchange.h"
#include "link/line_target.h"

namespace qm5 {

class TrafficLog;

/// What came of a frame asked for: why it was not sent, or what came back after it.
struct LineAnswer {
    /// The code or text asked for, without its CR.
    std::string text;
    std::optional<LineRefusal> refused;
    TrafficText reply;
    /// Another frame (a click) went out before the reply was whole.
    bool cutShort = false;
};

/// Who asks for frames on another's behalf (a script, the broker's commands, the status
/// queries), and is told what came of each, by its ticket.
class LineAsker {
  public:
    virtual ~LineAsker() = default;
    /// A request whose asker no longer wants it (its script is gone) is not sent.
    virtual bool stillWanted(std::uint64_t /*ticket*/) const { return true; }
    virtual void onLineAnswer(std::uint64_t ticket, const LineAnswer& answer) = 0;
};

/// The frames sent on others' behalf, one at a time and in order: a frame goes out only when no
/// button is held and no frame waits for its reply (the reply whole, or the reply timeout passed
/// since the last frame sent, a click's too). The operator's clicks are never delayed; a click
/// that cuts a reply short ends it. Each frame goes out as its button would send it (a raw one as
/// every frame goes out). It follows the traffic as the exchange's listener.
class LineQueue final : public ExchangeListener {
  public:
    /// While a button is held, a script is refused at once; the program's own requests wait.
    enum class WhenHeld { Refuse, Wait };
    struct Request {
        LineAsker* asker = nullptr;
        std::uint64_t ticket = 0;
        std::string text;
        bool raw = false;
        WhenHeld whenHeld = WhenHeld::Refuse;
    };
    /// How often a request waiting for a held button looks again.
    static constexpr int kHeldRecheckMs = 100;
    /// The next frame goes from the event loop this soon, never under its caller's handler.
    static constexpr int kNextTurnMs = 1;

    /// `replyTimeout` and `nextTurn` are the queue's own timers.
    LineQueue(LineTarget& target, Timer& replyTimeout, Timer& nextTurn);
    ~LineQueue() override;
    LineQueue(const LineQueue&) = delete;
    LineQueue& operator=(const LineQueue&) = delete;

    void add(Request request);
    /// The asker's requests waiting or on the line.
    std::size_t pendingFor(const LineAsker& asker) const;
    /// Whether the asker's request `ticket` waits or is on the line.
    bool pending(const LineAsker& asker, std::uint64_t ticket) const;
    /// Whether no request waits and none is on the line.
    bool idle() const { return waiting_.empty() && !current_; }
    /// A request that got no reply is noted in `log`.
    void logTo(TrafficLog& log) { log_ = &log; }

    void onFrameSent(std::string_view port, std::string_view device) override;
    void onReceived(std::string_view piece) override;

  private:
    enum class Awaiting { Nothing, Ours, Others };

    template <typename Predicate>
    std::size_t countPending(Predicate is) const;
    void sendNextSoon();
    void sendNextIn(int milliseconds);
    void sendNext();
    /// Answers at once the requests that may not wait for a held button or an ending panel.
    bool refuseWhileBusy(const LineRefusal& busy);
    void sendRequestFrame();
    void onReplyTimeout();
    /// Answers the request on the line with what came back since its frame.
    void finish(bool cutShort);

    LineTarget& target_;
    Timer& replyTimeout_;
    Timer& nextTurn_;
    std::deque<Request> waiting_;
    std::optional<Request> current_;
    Awaiting awaiting_ = Awaiting::Nothing;
    bool sending_ = false;
    TrafficText reply_;
    std::string port_;
    std::string device_;
    TrafficLog* log_ = nullptr;
};

}  // namespace qm5
