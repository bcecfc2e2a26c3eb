// SPDX-License-Identifier: MIT
#include "core/warning_box.h"

#include "core/platform.h"

namespace qm5 {

void WarningBox::show(std::string_view text) {
    if (open_) return;
    open_ = true;
    box_.warning(text);
    open_ = false;
}

}  // namespace qm5
