// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <string>

#include "core/failure.h"
#include "core/intervals.h"
#include "core/traffic_text.h"
#include "socket/script_requests.h"

namespace qm5 {

/// The longest a panel takes to answer: the requests queued before, each up to the reply
/// timeout, then this one, and a margin for a busy machine.
inline constexpr int kPanelAnswerMs =
    static_cast<int>(ScriptRequests::kLongestQueue + 1) * kReplyTimeoutMs + 3000;
/// The most of a panel's answer that is read: the longest reply it keeps, as monitor text (up to
/// four characters a byte) and as hex (three), and the lines' words. A longer one is no answer of
/// ours.
inline constexpr qsizetype kLongestPanelAnswer =
    7 * static_cast<qsizetype>(TrafficText::kMaxLength) + 1024;

/// What a running panel answered to one request on its local socket: "RXD text", "HEX 30 30 0D"
/// and "STATUS text" lines, then "END" (only "END" when nothing came), or "ERR WORD why" (a panel
/// of before gave no word).
struct PanelAnswer {
    bool replied = false;
    /// The reply as the RXD line shows it, and its characters.
    std::string reply;
    std::string chars;
    /// The status line's words as the panel tells them.
    std::optional<std::string> status;
    /// Why the panel did not send the frame, and its word for it: busy when it gave none.
    std::optional<QString> refused;
    Failure failure = Failure::Busy;
};

/// Whether `answer` is all the panel will say.
bool panelAnswerComplete(const QByteArray& answer);
/// The lines of `answer`, as far as they came.
PanelAnswer readPanelAnswer(const QByteArray& answer);

}  // namespace qm5
