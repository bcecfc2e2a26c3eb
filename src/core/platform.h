// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qm5 {

class Timer;

/// The controls that the handlers change at run time, addressed by control name.
class Controls {
  public:
    virtual ~Controls() = default;

    virtual void setCaption(std::string_view control, std::string_view text) = 0;
    virtual void setVisible(std::string_view control, bool visible) = 0;
    /// What a tooltip and a screen reader say of the control beyond its caption.
    virtual void setDescription(std::string_view control, std::string_view text) = 0;
    /// An option button's Value. Setting it raises no event: the window raises the Click itself.
    virtual bool value(std::string_view option) const = 0;
    virtual void setValue(std::string_view option, bool selected) = 0;
};

/// The window's placement in twips. Width and Height are the outer size with the design frame
/// (45 twips left, right and bottom, 330 at the top), whatever the window manager draws.
class Window {
  public:
    virtual ~Window() = default;

    virtual float width() const = 0;
    virtual float height() const = 0;
    virtual void setLeft(float twips) = 0;
    virtual void setTop(float twips) = 0;
    virtual void setHeight(float twips) = 0;
    virtual float screenWidth() const = 0;
    virtual float screenHeight() const = 0;
    /// Unloads the window and ends the program.
    virtual void end() = 0;
};

/// A modal warning: exclamation icon, one OK button, the application's title as caption.
class MessageBox {
  public:
    virtual ~MessageBox() = default;
    /// Returns when the operator has closed the box.
    virtual void warning(std::string_view text) = 0;
};

/// Asks the operator which device a port means.
class DevicePicker {
  public:
    virtual ~DevicePicker() = default;
    /// Nothing when the operator cancels. `port` is 1 or 2; `current` is the device in use.
    virtual std::optional<std::string> pickDevice(int port, std::string_view current) = 0;
};

/// The window's timers and widgets, as the handlers reach them.
struct PanelPlatform {
    Timer& repeatTimer;
    Timer& replyTimeout;
    Timer& portSelectorTimer;
    Timer& monitorClearing;
    Controls& controls;
    Window& window;
    MessageBox& messageBox;
    DevicePicker& devicePicker;
};

}  // namespace qm5
