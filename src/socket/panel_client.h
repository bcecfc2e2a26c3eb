// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <string_view>

namespace qm5 {

/// What asking a panel came to.
struct PanelAsked {
    /// What came within the panel's longest answer time; nothing when no panel could be asked.
    std::optional<QByteArray> answer;
    /// Why no panel can be reached at all (the socket folder), if so.
    QString unreachable;
};

/// Hands one request line to the panel that has `device` open and reads its whole answer, waiting
/// for it (a mode without a window has nothing else to do).
PanelAsked askPanel(std::string_view device, const QByteArray& request);

}  // namespace qm5
