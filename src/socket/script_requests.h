// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QPointer>

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <unordered_map>

#include "link/line_queue.h"

class QLocalSocket;

namespace qm5 {

/// "ERR WORD why": the word a script matches (busy, interrupted...), then the operator's words.
QByteArray refusalLine(const LineRefusal& refusal);

/// Answers a script's client once, if it is still there, and lets it go.
void answerScript(const QPointer<QLocalSocket>& client, const QByteArray& lines);

/// Scripts' requests, sent on the line in turn with the program's own, in order. A script is
/// answered with what came back after its frame, as soon as the reply is whole, or else before the
/// next frame or the reply timeout: "RXD text", "HEX bytes", "STATUS text" for a status query,
/// then "END"; only "END" when nothing came. A request while a hold button is held, one past the
/// queue's bound, or one whose send fails is answered "ERR why"; one whose script has ended while
/// it waited is not sent.
class ScriptRequests final : public LineAsker {
  public:
    static constexpr std::size_t kLongestQueue = 8;

    explicit ScriptRequests(LineQueue& line) : line_(line) {}

    /// A command's code, or with `raw` any text the caller has checked, sent with CR.
    void add(const QPointer<QLocalSocket>& client, std::string_view text, bool raw = false);
    bool stillWanted(std::uint64_t ticket) const override;
    void onLineAnswer(std::uint64_t ticket, const LineAnswer& answer) override;

  private:
    LineQueue& line_;
    std::unordered_map<std::uint64_t, QPointer<QLocalSocket>> clients_;
    std::uint64_t lastTicket_ = 0;
};

}  // namespace qm5
