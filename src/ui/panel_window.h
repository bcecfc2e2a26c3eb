// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QWidget>

#include <string>
#include <string_view>

#include "ui/panel_window_widgets.h"

namespace qm5 {

class ControlEvents;
class FixedSize;

/// The panel's window as Qt widgets, built from the control table, reporting clicks, mouse
/// presses and keys.
class PanelWindow final : public QWidget {
    Q_OBJECT

  public:
    PanelWindow();

    /// `label`, when there is one, then " - " and the caption: copies driving different
    /// projectors are told apart in the task bar, the window list and by screen readers.
    void setLabel(const QString& label);
    const QString& label() const { return label_; }

    /// Starts reporting the widgets' events to `events`.
    void bind(ControlEvents& events);

    QWidget* control(std::string_view name) const;
    /// A control's text, and what a screen reader calls the control.
    void setCaption(std::string_view name, std::string_view text);
    /// Twips to pixels at the screen's logical DPI (15 twips per pixel at 96 DPI).
    int pixels(double twips) const;
    double twipsPerPixel() const { return 1440.0 / scale_.dpi; }
    /// The client area's size; the window keeps it and is never maximised or full screen.
    void setClientSize(QSize size);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void loadIcon();
    /// Every widget of the control table, in its container.
    void buildControls();
    /// "COM1 device…" and "COM2 device…", at `at` in `control`.
    void showDeviceMenu(QWidget* control, const QPoint& at);
    void orderTabs();

    QHash<QString, QWidget*> controls_;
    TwipScale scale_;
    FixedSize* fixedSize_;
    ControlEvents* events_ = nullptr;
    /// The button under a mouse button that is still down.
    std::string pressed_;
    QString label_;
};

}  // namespace qm5
