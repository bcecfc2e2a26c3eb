// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "core/failure.h"

namespace qm5 {

enum class OpenFailure {
    /// No device at a name that an adapter has while plugged in.
    Missing,
    /// No device at a name that no adapter has: a typo, most likely.
    NoSuchName,
    /// Something is there, but no serial device: a folder or a plain file.
    NotSerial,
    /// The system or a lock refused it.
    Refused,
    Other,
};

/// What the system says of a local device's file.
struct DeviceFile {
    /// The user may read and write it: a refusal comes from another program that holds it.
    bool userMayReadWrite = false;
    std::string owner;
    std::string group;
    /// As `ls -l` shows it: "rw-rw----".
    std::string mode;
    std::string path{};
};

/// The word for `failure` of a device that is `file`.
Failure failureOf(OpenFailure failure, const DeviceFile& file);

/// Why a local device will not open, and what to do. A refused device that the user may read and
/// write is held by another program; otherwise `user` lacks access, which the dialout group gives
/// only to a device of that group. `detail` is the system's own word, for failures of no known
/// kind.
std::string openFailureReason(OpenFailure failure, const DeviceFile& file, std::string_view user,
                              std::string_view detail);

}  // namespace qm5
