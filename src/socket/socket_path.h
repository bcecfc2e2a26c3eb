// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <string_view>

namespace qm5 {

/// The local socket of the panel that has `device` open: a full path in the user's private
/// runtime folder, never a name in a folder others can write; named after the device's canonical
/// path, so that every copy of the panel has its own and either name of a device finds it. Empty
/// when the user has no such folder.
QString panelSocketPath(std::string_view device);

}  // namespace qm5
