// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace qm5 {

/// The device behind port number `port` (1 = COM1, 2 = COM2): the path in QM5_COM1 or QM5_COM2
/// when set, else the platform's own serial port of that number.
std::string devicePathFor(int port);

/// "COM1", "COM2", ...: how the operator knows the port.
std::string portLabel(int port);

}  // namespace qm5
