// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

/// Told when the operator has closed the warning box.
class MessageBoxEvents {
  public:
    virtual ~MessageBoxEvents() = default;
    virtual void onMessageBoxClosed() = 0;
};

/// A warning: exclamation icon, one OK button, the application's title as caption. It blocks
/// neither the caller (no event loop runs under the handler that shows it) nor the window.
class MessageBox {
  public:
    virtual ~MessageBox() = default;
    /// Opens the box and returns at once; `events` hears when the operator has closed it.
    virtual void openWarning(std::string_view text, MessageBoxEvents& events) = 0;
    /// Closes the open box, if any, without telling its events.
    virtual void closeWarning() = 0;
};

/// A device, by the name that stays the same across plug-ins where one exists, with what is
/// known of it: what the system says it is, or what a projector on it answered.
struct FoundDevice {
    std::string path;
    std::string description;
};

/// Told the end of a search for projectors.
class FindResults {
  public:
    virtual ~FindResults() = default;
    /// The devices a projector answered on, in the order asked, each with its status words.
    virtual void onProjectorsFound(const std::vector<FoundDevice>& projectors) = 0;
};

/// Told what the operator chose in the device dialog.
class DevicePickerEvents {
  public:
    virtual ~DevicePickerEvents() = default;
    /// The serial devices present now, as the dialog lists them.
    virtual std::vector<FoundDevice> presentDevices() const = 0;
    /// Asks each of `devices` whether a projector is there, without waiting: `results` hears the
    /// end once, unless stopFinding comes first.
    virtual void findProjectors(const std::vector<std::string>& devices, FindResults& results) = 0;
    /// `results` goes away: the search it waits for, if any, ends unheard.
    virtual void stopFinding(const FindResults& results) = 0;
    /// Why `device` cannot name a device at all; the dialog then stays open with the text.
    virtual std::optional<std::string> refusal(std::string_view device) const = 0;
    /// `device` has passed refusal and the dialog has closed.
    virtual void onDeviceChosen(int port, std::string_view device) = 0;
};

/// Asks the operator which device a port means.
class DevicePicker {
  public:
    virtual ~DevicePicker() = default;
    /// Opens the dialog and returns at once; `choice` hears of an OK, a Cancel says nothing.
    /// `port` is 1 or 2; `current` is the device in use.
    virtual void pickDevice(int port, std::string_view current, DevicePickerEvents& choice) = 0;
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
