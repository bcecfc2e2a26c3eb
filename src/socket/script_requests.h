// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

#include "core/traffic_text.h"
#include "link/exchange.h"
#include "socket/script_target.h"

class QLocalSocket;

namespace qm5 {

class TrafficLog;

/// "ERR WORD why": the word a script matches (busy, interrupted...), then the operator's words.
QByteArray refusalLine(const ScriptRefusal& refusal);

/// Answers a script's client once, if it is still there, and lets it go.
void answerScript(const QPointer<QLocalSocket>& client, const QByteArray& lines);

/// Scripts' requests served by the panel one at a time, in order. Each frame goes out as its
/// button would send it (a raw one as every frame goes out), and its script is answered with what
/// came back after that frame, as soon as the reply is whole, or else before the next frame or the
/// reply timeout: "RXD text", "HEX bytes", "STATUS text" for a status query, then "END"; only
/// "END" when nothing came. The panel's own monitor and timeout mark go on as for any frame. A
/// request while a hold button is held, one past the queue's bound, or one whose send fails is
/// answered "ERR why"; one whose script has ended while it waited is not sent.
///
/// It follows the traffic as the exchange's listener.
class ScriptRequests final : public QObject, public ExchangeListener {
  public:
    static constexpr std::size_t kLongestQueue = 8;

    explicit ScriptRequests(ScriptTarget& target);

    /// A command's code, or with `raw` any text the caller has checked, sent with CR.
    void add(const QPointer<QLocalSocket>& client, std::string_view text, bool raw = false);
    /// A script's request that got no reply is noted in `log`.
    void logTo(TrafficLog& log) { log_ = &log; }
    void onFrameSent(std::string_view port, std::string_view device) override;
    void onReceived(std::string_view piece) override;

  private:
    struct Request {
        QPointer<QLocalSocket> client;
        std::string text;
        bool raw = false;
    };

    void sendNext();
    /// Sends the request's frame through the target; returns why it was not sent.
    std::optional<ScriptRefusal> sendScriptFrame(const Request& request);
    /// Answers the request whose frame went out with what came back since.
    void finish();

    ScriptTarget& target_;
    std::deque<Request> waiting_;
    /// The request being sent, or whose reply is being collected.
    std::optional<Request> current_;
    bool sending_ = false;
    bool sent_ = false;
    TrafficText reply_;
    std::string port_;
    std::string device_;
    QTimer replyTimeout_;
    TrafficLog* log_ = nullptr;
};

}  // namespace qm5
