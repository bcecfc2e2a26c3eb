// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace qm5 {

/// `name` as one line of valid UTF-8: a backslash, control characters and bytes that are not
/// UTF-8 are written as C escapes (\\, \n, \t, \x01, \xff), so that a device's name can neither
/// split a log's or a message's line nor turn into the name of another device.
std::string escapedName(std::string_view name);

/// Whether `bytes` are valid UTF-8, which the only names Qt opens are.
bool isValidUtf8(std::string_view bytes);

}  // namespace qm5
