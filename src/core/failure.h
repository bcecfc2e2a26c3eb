// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string_view>

namespace qm5 {

/// What went wrong, in a word that a script can match in any language: the texts beside it are
/// translated, the words never change.
enum class Failure : std::uint8_t {
    /// Nothing came back within the reply timeout.
    NoReply,
    /// The projector answered NAK.
    Refused,
    /// Another program holds the device, or the panel cannot take the frame now.
    Busy,
    /// The user may not open the device.
    Forbidden,
    /// No device at that name.
    Missing,
    /// The name is no device: a typo, a plain file, a malformed network address.
    BadAddress,
    /// The device or its server cannot be reached, or failed in a way of no known kind.
    Unreachable,
    /// The device went away, or the panel ended, while the frame was under way.
    Interrupted,
    /// The answer could not be written out.
    Output,
};

constexpr std::string_view failureCode(Failure failure) {
    switch (failure) {
        case Failure::NoReply:
            return "no-reply";
        case Failure::Refused:
            return "refused";
        case Failure::Busy:
            return "busy";
        case Failure::Forbidden:
            return "forbidden";
        case Failure::Missing:
            return "missing";
        case Failure::BadAddress:
            return "bad-address";
        case Failure::Unreachable:
            return "unreachable";
        case Failure::Interrupted:
            return "interrupted";
        case Failure::Output:
            return "output";
    }
    return "unreachable";
}

}  // namespace qm5
