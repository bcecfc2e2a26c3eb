// SPDX-License-Identifier: MIT
#include "control/qt_timer.h"

namespace qm5 {

QtTimer::QtTimer() {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { onTimeout(); });
}

void QtTimer::setInterval(int milliseconds) {
    // QTimer restarts a running timer on a new interval; a non-positive one never ticks.
    timer_.setInterval(milliseconds);
    if (enabled_ && milliseconds <= 0) timer_.stop();
    if (enabled_ && milliseconds > 0 && !timer_.isActive()) timer_.start();
}

void QtTimer::setEnabled(bool on) {
    if (!on) {
        enabled_ = false;
        timer_.stop();
        return;
    }
    // Re-enabling from its own tick keeps the period on its original grid (no drift).
    if (enabled_ && inTick_) return;
    enabled_ = true;
    if (timer_.interval() > 0) timer_.start();
}

void QtTimer::onTimeout() {
    inTick_ = true;
    fireTick();
    inTick_ = false;
}

}  // namespace qm5
