// SPDX-License-Identifier: MIT
#include "ui/fixed_size.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

namespace qm5 {

namespace {

constexpr Qt::WindowStates kRefused = Qt::WindowMaximized | Qt::WindowFullScreen;

}  // namespace

FixedSize::FixedSize(QWidget& window)
    : QObject(&window),
      window_(window),
      onlyMinimum_(QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
    window_.installEventFilter(this);
}

void FixedSize::setSize(QSize size) {
    size_ = size;
    if (onlyMinimum_) {
        window_.setMinimumSize(size);
        window_.resize(size);
    } else {
        window_.setFixedSize(size);
    }
}

bool FixedSize::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_) {
        if (event->type() == QEvent::Resize && !(window_.windowState() & kRefused)) {
            // The compositor has let go of the refused state.
            leaving_ = false;
        }
        if (event->type() == QEvent::WindowStateChange || event->type() == QEvent::Resize) {
            scheduleSettle();
        }
    }
    return QObject::eventFilter(watched, event);
}

void FixedSize::scheduleSettle() {
    if (settleScheduled_) return;
    settleScheduled_ = true;
    QMetaObject::invokeMethod(this, &FixedSize::settle, Qt::QueuedConnection);
}

void FixedSize::settle() {
    settleScheduled_ = false;
    if (window_.windowState() & kRefused) {
        leaving_ = true;
        window_.setWindowState(window_.windowState() & ~kRefused);
        return;
    }
    // Until the compositor has answered, the window must keep the size it was given.
    if (!leaving_ && !size_.isEmpty() && window_.size() != size_) window_.resize(size_);
}

}  // namespace qm5
