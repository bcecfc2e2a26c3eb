// SPDX-License-Identifier: MIT
#include "core/warning_box.h"

#include <algorithm>
#include <utility>

namespace qm5 {

void WarningBox::show(std::string text, std::string about, AfterWarning* after) {
    if (after == nullptr && !warnings_.empty() && warnings_.back().text == text) return;
    // A warning with a follow-up answers an operator's own choice: dropped, the choice would
    // never go on.
    if (warnings_.size() > kMostWaiting && after == nullptr) return;
    warnings_.push_back({std::move(text), std::move(about), after});
    if (!open_) openNext();
}

void WarningBox::withdraw(std::string_view device) {
    if (device.empty() || warnings_.empty()) return;
    const auto waiting = warnings_.begin() + (open_ ? 1 : 0);
    warnings_.erase(std::remove_if(waiting, warnings_.end(),
                                   [&](const Warning& warning) { return warning.about == device; }),
                    warnings_.end());
    if (!open_ || warnings_.front().about != device) return;
    open_ = false;
    warnings_.pop_front();
    box_.closeWarning();
    openNext();
}

void WarningBox::clear() {
    warnings_.clear();
    if (std::exchange(open_, false)) box_.closeWarning();
}

void WarningBox::onMessageBoxClosed() {
    if (!open_) return;
    open_ = false;
    const Warning closed = std::move(warnings_.front());
    warnings_.pop_front();
    if (closed.after != nullptr) closed.after->afterWarning();
    // The follow-up may have opened the next warning already.
    if (!open_) openNext();
}

void WarningBox::openNext() {
    if (warnings_.empty()) return;
    open_ = true;
    box_.openWarning(warnings_.front().text, *this);
}

}  // namespace qm5
