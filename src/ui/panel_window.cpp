// SPDX-License-Identifier: MIT
#include "ui/panel_window.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QContextMenuEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QScreen>

#include <algorithm>
#include <vector>

#include "core/accessibility.h"
#include "core/control_events.h"
#include "core/control_table.h"
#include "core/controls.h"
#include "ui/fixed_size.h"
#include "ui/fonts.h"
#include "ui/panel_window_widgets.h"
#include "ui/qt_text.h"

namespace qm5 {

namespace {

// A label shows only the head of a long text, and the monitor can hold 130,000 characters of a
// flooding device. No label is wide enough for more than this many of the narrowest glyphs, so
// setting only this head shows the same and keeps each reception cheap.
constexpr std::size_t kMaxShownChars = 512;

std::int16_t keyCodeOf(const QKeyEvent* event) {
    // Letters and digits carry their ASCII code, as the handlers expect; no other key matters.
    const int key = event->key();
    return (key >= Qt::Key_0 && key <= Qt::Key_Z) ? static_cast<std::int16_t>(key) : 0;
}

std::int16_t shiftOf(const QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    return static_cast<std::int16_t>(
        (modifiers.testFlag(Qt::ShiftModifier) ? ControlEvents::kShiftMask : 0) |
        (modifiers.testFlag(Qt::ControlModifier) ? ControlEvents::kCtrlMask : 0) |
        (modifiers.testFlag(Qt::AltModifier) ? ControlEvents::kAltMask : 0));
}

/// Enter and Return press the focused button as Space does: one click. A hold button's click
/// sends nothing, as with Space.
bool pressedWithEnter(QObject* focused, const QEvent* event) {
    const auto* key = static_cast<const QKeyEvent*>(event);
    auto* button = qobject_cast<QAbstractButton*>(focused);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (button == nullptr || !enter) return false;
    if (!key->isAutoRepeat()) button->click();
    return true;
}

/// The menu key and Shift+F10.
bool opensContextMenu(const QEvent* event) {
    const auto* key = static_cast<const QKeyEvent*>(event);
    return key->key() == Qt::Key_Menu ||
           (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier);
}

/// Screen readers meet the panel as a window named by its caption, not as a bare area.
QAccessibleInterface* windowAccessibility(const QString& className, QObject* object) {
    auto* window = qobject_cast<PanelWindow*>(object);
    if (className != QLatin1String("qm5::PanelWindow") || window == nullptr) return nullptr;
    return new QAccessibleWidget(window, QAccessible::Window, window->windowTitle());
}

}  // namespace

PanelWindow::PanelWindow() : fixedSize_(new FixedSize(*this)) {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        scale_.dpi = screen->logicalDotsPerInchY();
    const WindowSpec& form = windowSpec();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(toQString(form.caption));
    // A fixed single border: no maximise button, and the size is the views' alone (FixedSize).
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    static const bool accessible = (QAccessible::installFactory(windowAccessibility), true);
    Q_UNUSED(accessible);
    setFont(fontFor(form.font));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(form.back));
    palette.setColor(QPalette::WindowText, QColor::fromRgb(form.fore));
    setPalette(palette);
    setAutoFillBackground(true);
    // Once the window is up: reading the images (and Qt's image plugins) would delay it.
    QMetaObject::invokeMethod(this, &PanelWindow::loadIcon, Qt::QueuedConnection);
    buildControls();
    orderTabs();
    control(control::kPowerOn)->setFocus();
}

void PanelWindow::loadIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64}) {
        icon.addFile(QStringLiteral(":/icons/qm5-control-%1.png").arg(size), QSize(size, size));
    }
    setWindowIcon(icon);
}

void PanelWindow::buildControls() {
    for (const ControlSpec& spec : controlTable()) {
        QWidget* parent = spec.container.empty() ? this : control(spec.container);
        if (QWidget* widget = makeControlWidget(spec, parent, scale_)) {
            widget->setObjectName(toQString(spec.name));
            if (spec.has(kHiddenAtStart)) widget->hide();
            controls_.insert(widget->objectName(), widget);
            if (spec.kind != ControlKind::Line) setCaption(spec.name, spec.caption);
        }
    }
    // Labels and lines lie beneath the buttons and frames of their container.
    for (const ControlSpec& spec : controlTable()) {
        if (spec.kind == ControlKind::Label || spec.kind == ControlKind::Line)
            control(spec.name)->lower();
    }
}

void PanelWindow::orderTabs() {
    std::vector<const ControlSpec*> focusable;
    for (const ControlSpec& spec : controlTable()) {
        if (spec.kind == ControlKind::Button || spec.kind == ControlKind::Option)
            focusable.push_back(&spec);
    }
    std::ranges::sort(focusable, {}, &ControlSpec::tabIndex);
    for (std::size_t i = 1; i < focusable.size(); ++i) {
        QWidget::setTabOrder(control(focusable[i - 1]->name), control(focusable[i]->name));
    }
}

void PanelWindow::bind(ControlEvents& events) {
    events_ = &events;
    for (QWidget* widget : std::as_const(controls_)) {
        const std::string name = widget->objectName().toStdString();
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            connect(button, &QAbstractButton::clicked, this,
                    [this, name] { events_->click(name); });
            button->installEventFilter(this);
        }
    }
    installEventFilter(this);
    // The port controls also choose the device behind each port: right-click, the menu key or
    // Shift+F10.
    for (const std::string_view name :
         {control::kComButton, control::kCom1Option, control::kCom2Option}) {
        QWidget* widget = control(name);
        widget->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(widget, &QWidget::customContextMenuRequested, this,
                [this, widget](const QPoint& at) { showDeviceMenu(widget, at); });
    }
}

void PanelWindow::showDeviceMenu(QWidget* control, const QPoint& at) {
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("DeviceMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const int port : {1, 2}) {
        menu->addAction(tr("COM%1 device…").arg(port), this, [this, port] {
            // Once the menu has closed: the dialog is modal.
            QMetaObject::invokeMethod(
                this, [this, port] { events_->chooseDevice(port); }, Qt::QueuedConnection);
        });
    }
    menu->popup(control->mapToGlobal(at));
}

QWidget* PanelWindow::control(std::string_view name) const {
    return controls_.value(toQString(name));
}

void PanelWindow::setCaption(std::string_view name, std::string_view text) {
    QWidget* widget = control(name);
    // A screen reader reads a text line's own text, and any other control by its group and
    // caption.
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        const QString shown = toQString(text.substr(0, kMaxShownChars));
        if (label->text() == shown) return;
        label->setText(shown);
        label->setAccessibleName(shown);
        return;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) button->setText(toQString(text));
    widget->setAccessibleName(QString::fromStdString(qm5::accessibleName(name, text)));
}

void PanelWindow::setLabel(const QString& label) {
    const QString caption = toQString(windowSpec().caption);
    label_ = label;
    setWindowTitle(label.isEmpty() ? caption : label + QStringLiteral(" - ") + caption);
    setAccessibleName(windowTitle());
}

void PanelWindow::setClientSize(QSize size) {
    fixedSize_->setSize(size);
}

int PanelWindow::pixels(double twips) const {
    return scale_.pixels(twips);
}

bool PanelWindow::eventFilter(QObject* watched, QEvent* event) {
    if (events_ == nullptr) return false;
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            // Any mouse button; a quick second press is a press too, not only a double click.
            if (watched != this) {
                pressed_ = watched->objectName().toStdString();
                events_->mouseDown(pressed_);
            }
            break;
        case QEvent::MouseButtonRelease:
            if (watched != this) {
                pressed_.clear();
                events_->mouseUp(watched->objectName().toStdString());
            }
            break;
        case QEvent::WindowBlocked:
            // A warning box now takes the mouse: the button held down would never see its
            // release, so let it go here.
            if (watched == this && !pressed_.empty()) events_->mouseUp(std::exchange(pressed_, {}));
            break;
        case QEvent::KeyPress:
            // Key preview: seen before the focused control, which still gets the key. A key that
            // control ignores comes up to the window again; count it once.
            if (watched == QApplication::focusWidget() ||
                (watched == this && QApplication::focusWidget() == nullptr)) {
                const auto* key = static_cast<QKeyEvent*>(event);
                events_->keyDown(keyCodeOf(key), shiftOf(key));
            }
            if (watched == focusWidget() && opensContextMenu(event)) {
                auto* widget = static_cast<QWidget*>(watched);
                if (widget->contextMenuPolicy() != Qt::CustomContextMenu) return false;
                showDeviceMenu(widget, widget->rect().center());
                return true;
            }
            return watched == focusWidget() && pressedWithEnter(watched, event);
        case QEvent::ContextMenu:
            // The menu key is handled as a key, on every platform alike.
            return static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard;
        default:
            break;
    }
    return false;
}

}  // namespace qm5
