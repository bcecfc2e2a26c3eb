// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QSize>

class QWidget;

namespace qm5 {

/// Keeps a top-level window at the size the panel gives it, and refuses maximised and full
/// screen on every platform.
///
/// Elsewhere the size is fixed (minimum = maximum) and the window manager offers no maximise.
/// A Wayland compositor may still configure the window maximised (Qt draws its own title bar,
/// maximise button included), and a window that then keeps another size is a protocol error
/// that ends the program. There the size is only a minimum: the window takes what the
/// compositor gives, asks at once to leave that state, and snaps back to its size.
class FixedSize final : public QObject {
  public:
    explicit FixedSize(QWidget& window);

    void setSize(QSize size);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    /// Once the events of this pass are handled: leaves a maximised or full-screen state, or
    /// goes back to the size.
    void scheduleSettle();
    void settle();

    QWidget& window_;
    QSize size_;
    bool onlyMinimum_;
    bool settleScheduled_ = false;
    /// Asked to leave a maximised or full-screen state; the compositor has not answered yet.
    bool leaving_ = false;
};

}  // namespace qm5
