// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string_view>

namespace qm5 {

/// What the widgets report, by control name, without knowing who handles it.
class ControlEvents {
  public:
    /// Modifier bits of keyDown's `shift`.
    static constexpr std::int16_t kShiftMask = 1;
    static constexpr std::int16_t kCtrlMask = 2;
    static constexpr std::int16_t kAltMask = 4;

    virtual ~ControlEvents() = default;

    virtual void click(std::string_view control) = 0;
    virtual void mouseDown(std::string_view control) = 0;
    virtual void mouseUp(std::string_view control) = 0;
    /// Seen before the focused control, which still gets the key. Letters and digits carry
    /// their ASCII code; any other key is 0.
    virtual void keyDown(std::int16_t keyCode, std::int16_t shift) = 0;
    /// The operator asks to choose the device behind port 1 or 2.
    virtual void chooseDevice(int port) = 0;
};

}  // namespace qm5
