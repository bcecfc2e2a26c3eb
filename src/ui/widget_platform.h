// SPDX-License-Identifier: MIT
#pragma once

#include <QMetaObject>
#include <QPointer>

#include "core/platform.h"

class QMessageBox;

namespace qm5 {

class DeviceDialog;
class PanelWindow;

/// The controls, the window, the warning box and the device dialog of the panel on Qt widgets. The
/// window's Height is its client height plus the design frame, whatever the window manager draws
/// around it.
class WidgetPlatform final : public Controls,
                             public Window,
                             public MessageBox,
                             public DevicePicker {
  public:
    static constexpr const char* kApplicationTitle = "QM5 Control";

    explicit WidgetPlatform(PanelWindow& window);

    void setCaption(std::string_view control, std::string_view text) override;
    void setVisible(std::string_view control, bool visible) override;
    void setDescription(std::string_view control, std::string_view text) override;
    bool value(std::string_view option) const override;
    void setValue(std::string_view option, bool selected) override;

    float width() const override;
    float height() const override;
    void setLeft(float twips) override;
    void setTop(float twips) override;
    void setHeight(float twips) override;
    float screenWidth() const override;
    float screenHeight() const override;
    void end() override;

    void openWarning(std::string_view text, MessageBoxEvents& events) override;
    void closeWarning() override;
    void pickDevice(int port, std::string_view current, DevicePickerEvents& choice) override;

  private:
    void resize();
    /// `title` after the window's label, when there is one.
    QString titled(const QString& title) const;

    PanelWindow& window_;
    float clientHeight_;
    QPointer<QMessageBox> warning_;
    QMetaObject::Connection warningClosed_;
    QPointer<DeviceDialog> deviceDialog_;
};

}  // namespace qm5
