// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace qm5 {

/// What screen readers and UI automation call a control showing `caption`: a button or option
/// is named by the title of its group and its caption ("POWER ON", "VOL +"); a label by its own
/// text.
std::string accessibleName(std::string_view control, std::string_view caption);

/// What a text line is ("TXD", "RXD", "STATUS"); empty for any other control.
std::string accessibleDescription(std::string_view control);

}  // namespace qm5
