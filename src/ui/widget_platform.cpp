// SPDX-License-Identifier: MIT
#include "ui/widget_platform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QScreen>

#include <algorithm>

#include "core/control_table.h"
#include "core/controls.h"
#include "ui/device_dialog.h"
#include "ui/panel_window.h"
#include "ui/qt_text.h"
#include "ui/warning_dialog.h"

namespace qm5 {

namespace {

const WindowSpec& form() {
    return windowSpec();
}

}  // namespace

WidgetPlatform::WidgetPlatform(PanelWindow& window)
    : window_(window), clientHeight_(static_cast<float>(form().clientHeight)) {
    resize();
}

void WidgetPlatform::setCaption(std::string_view control, std::string_view text) {
    window_.setCaption(control, text);
}

void WidgetPlatform::setVisible(std::string_view control, bool visible) {
    QWidget* widget = window_.control(control);
    const bool focusInside = !visible && widget->isAncestorOf(window_.focusWidget());
    widget->setVisible(visible);
    // The port selector lies over "COM": the focus goes back there, not to the next button.
    if (focusInside && control == control::kPortSelector) {
        window_.control(control::kComButton)->setFocus();
    }
}

void WidgetPlatform::setDescription(std::string_view control, std::string_view text) {
    QWidget* widget = window_.control(control);
    widget->setToolTip(toQString(text));
    widget->setAccessibleDescription(toQString(text));
}

bool WidgetPlatform::value(std::string_view option) const {
    return qobject_cast<QAbstractButton*>(window_.control(option))->isChecked();
}

void WidgetPlatform::setValue(std::string_view option, bool selected) {
    qobject_cast<QAbstractButton*>(window_.control(option))->setChecked(selected);
}

float WidgetPlatform::width() const {
    return static_cast<float>(form().clientWidth + 2 * form().frameSide);
}

float WidgetPlatform::height() const {
    return clientHeight_ + static_cast<float>(form().frameTop + form().frameSide);
}

// Each setter moves only its own edge: the operator may have moved the window since.
void WidgetPlatform::setLeft(float twips) {
    window_.move(window_.pixels(twips), window_.y());
}

void WidgetPlatform::setTop(float twips) {
    window_.move(window_.x(), window_.pixels(twips));
}

void WidgetPlatform::setHeight(float twips) {
    clientHeight_ = std::max(0.0F, twips - static_cast<float>(form().frameTop + form().frameSide));
    resize();
}

float WidgetPlatform::screenWidth() const {
    const QScreen* screen = window_.screen();
    return screen ? static_cast<float>(screen->geometry().width() * window_.twipsPerPixel()) : 0;
}

float WidgetPlatform::screenHeight() const {
    const QScreen* screen = window_.screen();
    return screen ? static_cast<float>(screen->geometry().height() * window_.twipsPerPixel()) : 0;
}

void WidgetPlatform::end() {
    window_.hide();
    QCoreApplication::exit(0);
}

void WidgetPlatform::openWarning(std::string_view text, MessageBoxEvents& events) {
    // The box belongs to the window: a failure at start-up shows the window first.
    if (!window_.isVisible()) window_.show();
    auto* box = new WarningDialog(titled(QString::fromLatin1(kApplicationTitle)), toQString(text),
                                  &window_);
    warningClosed_ = QObject::connect(box, &QDialog::finished, box, [this, &events] {
        warning_.clear();
        events.onMessageBoxClosed();
    });
    warning_ = box;
    box->show();
    // Keys go to the box at once, as to a modal one: Return closes it.
    box->activateWindow();
}

void WidgetPlatform::closeWarning() {
    if (warning_.isNull()) return;
    QObject::disconnect(warningClosed_);
    warning_->close();
    warning_.clear();
}

void WidgetPlatform::pickDevice(int port, std::string_view current, DevicePickerEvents& choice) {
    if (!deviceDialog_.isNull()) {
        deviceDialog_->activateWindow();
        return;
    }
    auto* dialog =
        new DeviceDialog(port, toQString(current), choice.presentDevices(), choice, &window_);
    dialog->setWindowTitle(titled(dialog->windowTitle()));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    deviceDialog_ = dialog;
    // Not modal, as the warnings: nothing may keep "END" from the operator.
    dialog->show();
    dialog->activateWindow();
}

QString WidgetPlatform::titled(const QString& title) const {
    return window_.label().isEmpty() ? title : window_.label() + QStringLiteral(" - ") + title;
}

void WidgetPlatform::resize() {
    window_.setClientSize(QSize(window_.pixels(form().clientWidth), window_.pixels(clientHeight_)));
}

}  // namespace qm5
