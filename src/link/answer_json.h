// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <string>

#include "core/failure.h"

namespace qm5 {

/// What one frame came to, as a line of --json tells it.
struct AnswerFields {
    /// None when the frame went to a device, not to a port (--find).
    std::optional<int> port;
    std::string device;
    /// The frame's text without its CR.
    std::string sent;
    bool replied = false;
    /// The reply as the monitor shows it, and its characters.
    std::string reply;
    std::string replyChars;
    std::optional<std::string> status;
    QString error;
    /// The word for the error, the same in every language.
    Failure failure = Failure::NoReply;
    /// The projector answered NAK.
    bool refused = false;
};

/// One JSON object on one line, without the new line: "port" and "status" only when there are
/// some, "error" and "errorCode" only when something went wrong, "refused" only when the projector
/// refused the frame, "replyHex" always ("" when nothing came).
QByteArray answerJson(const AnswerFields& fields);

}  // namespace qm5
