// SPDX-License-Identifier: MIT
#pragma once

#include "core/platform.h"

namespace qm5 {

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

    void warning(std::string_view text) override;
    std::optional<std::string> pickDevice(int port, std::string_view current) override;

  private:
    void resize();

    PanelWindow& window_;
    float clientHeight_;
};

}  // namespace qm5
