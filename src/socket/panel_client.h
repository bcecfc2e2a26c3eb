// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

#include <optional>
#include <string_view>

namespace qm5 {

/// Hands one request line to the panel that has `device` open and reads its whole answer, waiting
/// for it (a mode without a window has nothing else to do). Nothing when no panel has the device
/// open; what came within the panel's longest answer time otherwise.
std::optional<QByteArray> askPanel(std::string_view device, const QByteArray& request);

}  // namespace qm5
