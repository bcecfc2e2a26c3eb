// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace qm5 {

/// A text of the traffic (a frame sent, or the characters received) together with its monitor
/// text, kept in step so that a reception growing in many small pieces is rendered only once per
/// character. Bounded to the 32767 characters the monitor counts. What came before the latest
/// frame sent gives way to its reply when both do not fit; a reply that fills the text alone
/// keeps its head, and further characters are dropped until it is cleared.
class TrafficText {
  public:
    static constexpr std::size_t kMaxLength = 32767;

    void assign(std::string_view chars);
    /// Returns how many of `chars` were kept.
    std::size_t append(std::string_view chars);
    void clear();

    /// Marks the end as where the reply to the frame just sent begins.
    void markReplyStart() {
        replyStart_ = chars_.size();
        monitorReplyStart_ = monitor_.size();
    }
    /// What came after the mark: the reply to the latest frame sent.
    std::string_view reply() const { return std::string_view(chars_).substr(replyStart_); }

    const std::string& chars() const { return chars_; }
    const std::string& monitor() const { return monitor_; }
    bool empty() const { return chars_.empty(); }

  private:
    /// Drops what came before the mark, once per frame sent at most.
    void dropBeforeReply();

    std::string chars_;
    std::string monitor_ = " ";
    std::size_t replyStart_ = 0;
    /// Where the reply's tokens begin in the monitor text.
    std::size_t monitorReplyStart_ = 1;
};

}  // namespace qm5
