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
    // Noise or an earlier reply must never hide the reply to a new frame.
    if (chars.size() > kMaxLength - chars_.size()) dropBeforeReply();
    const std::size_t room = kMaxLength - chars_.size();
    const std::string_view kept = chars.substr(0, std::min(room, chars.size()));
    chars_.append(kept);
    appendMonitorTokens(monitor_, kept);
    return kept.size();
}

void TrafficText::dropBeforeReply() {
    chars_.erase(0, replyStart_);
    monitor_.erase(1, monitorReplyStart_ - 1);
    replyStart_ = 0;
    monitorReplyStart_ = 1;
}

void TrafficText::clear() {
    chars_.clear();
    monitor_ = " ";
    replyStart_ = 0;
    monitorReplyStart_ = 1;
}

}  // namespace qm5
