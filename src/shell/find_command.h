// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include <string>
#include <vector>

#include "link/projector_search.h"

namespace qm5 {

/// One line of --json: the answer of one device as a JSON object.
QByteArray answerJson(const SearchAnswer& answer);

/// --find: asks `devices` (every serial device present when none is named) whether a projector
/// is there, all at once, and prints each device that answered with its status words; a device
/// that could not be asked is named on stderr with the reason. With `json` every device is one
/// JSON object on a line of its own. What is sent and received on the devices' own lines is
/// appended to `logFile`, unless it is empty. Returns the exit status: 0 a projector answered, 1
/// none did.
int findFromShell(std::vector<std::string> devices, bool json, const QString& logFile);

}  // namespace qm5
