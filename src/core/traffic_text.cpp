// SPDX-License-Identifier: MIT
#include "core/traffic_text.h"

#include <algorithm>

#include "core/monitor_text.h"

namespace qm5 {

void TrafficText::assign(std::string_view chars) {
    clear();
    append(chars);
}

std::size_t TrafficText::append(std::string_view chars) {
    const std::size_t room = kMaxLength - chars_.size();
    const std::string_view kept = chars.substr(0, std::min(room, chars.size()));
    chars_.append(kept);
    appendMonitorTokens(monitor_, kept);
    return kept.size();
}

void TrafficText::clear() {
    chars_.clear();
    replyStart_ = 0;
    monitor_ = " ";
}

}  // namespace qm5
