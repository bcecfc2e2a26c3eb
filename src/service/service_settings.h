// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

#include "app/command_line.h"

namespace qm5 {

/// Fills what the command line left unset from the service's settings file (`key=value` lines:
/// device, port, label, log), as a site keeps one per projector. Returns why the file cannot be
/// used, if so.
std::optional<QString> readServiceSettings(CommandLine& commandLine);

}  // namespace qm5
