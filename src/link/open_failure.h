// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace qm5 {

enum class OpenFailure {
    /// No device at that path.
    Missing,
    /// Something is there, but no serial device: a folder or a plain file.
    NotSerial,
    /// The system or a lock refused it.
    Refused,
    Other,
};

/// Why a local device will not open, and what to do. A refused device that the user may read and
/// write is held by another program; otherwise `user` lacks the serial-port group. `detail` is
/// the system's own word, for failures of no known kind.
std::string openFailureReason(OpenFailure failure, bool userMayReadWrite, std::string_view user,
                              std::string_view detail);

/// What the operator is told when port `port`, named `device` ("COM1 (/dev/ttyS0)"), will not
/// open: which device, why, and how to choose another.
std::string describeOpenFailure(std::string_view device, int port, std::string_view reason);

}  // namespace qm5
