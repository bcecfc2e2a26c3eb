// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace qm5 {

class MessageBox;

/// Shows warnings one at a time: a failure reported while a box is open is dropped, so a stream
/// of failures (a held button on a dead line) cannot bury the operator in boxes.
class WarningBox {
  public:
    explicit WarningBox(MessageBox& box) : box_(box) {}

    void show(std::string_view text);

  private:
    MessageBox& box_;
    bool open_ = false;
};

}  // namespace qm5
