// SPDX-License-Identifier: MIT
#pragma once

#include <QTimer>

#include "core/timer.h"

namespace qm5 {

/// A Timer on a precise QTimer.
class QtTimer final : public Timer {
  public:
    QtTimer();

    int interval() const override { return timer_.interval(); }
    void setInterval(int milliseconds) override;
    bool enabled() const override { return enabled_; }
    void setEnabled(bool on) override;

  private:
    void onTimeout();

    QTimer timer_;
    bool enabled_ = false;
    bool inTick_ = false;
};

}  // namespace qm5
