// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "app/commands.h"
#include "link/port_devices.h"

namespace qm5 {

/// --send: sends `command` once on `port` and prints the reply as the RXD line shows it (and the
/// status line's words for a status query), without a window. The panel that has the port's
/// device open sends it, if there is one; otherwise the device is opened here. Returns the exit
/// status: 0 a reply came, 1 none came, 3 the device cannot be opened.
int sendFromShell(const Command& command, int port, PortDevices::PerPort commandLine,
                  const QString& logFile);

}  // namespace qm5
