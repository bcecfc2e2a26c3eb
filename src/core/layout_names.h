// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

/// The layout's names for what the code knows by its role. Only the control table, the button
/// tables and tests that address one control use layout names; everything else uses roles.
///
/// | role                                        | layout name      |
/// |---------------------------------------------|------------------|
/// | repeat timer (held buttons)                 | `Timer1`         |
/// | reply timeout                               | `Timer2`         |
/// | port selector timer                         | `Timer3`         |
/// | monitor-clearing timer                      | `Timer4`         |
/// | serial control                              | `MSComm1`        |
/// | `Exchange::sendText`, `showReceived`        | `Hyouji`         |
/// | `Exchange::onLineEvent`                     | `MSComm1_OnComm` |
/// | the control panel (`ControlPanel`)          | `Form1`          |
/// | `ControlPanel::load`                        | `Form_Load`      |
/// | `ControlPanel::keyDown`                     | `Form_KeyDown`   |
/// | the controls below                          | as written       |
namespace qm5::layout {

inline constexpr std::string_view kTxdLine = "Label11";
inline constexpr std::string_view kRxdLine = "Label12";
inline constexpr std::string_view kStatusLine = "Label25";
inline constexpr std::string_view kPortSelector = "Frame8";
inline constexpr std::string_view kComButton = "Command33";
inline constexpr std::string_view kCom1Option = "Option1";
inline constexpr std::string_view kCom2Option = "Option2";
inline constexpr std::string_view kViewToggle = "Command34";
inline constexpr std::string_view kEndButton = "Command16";
/// "POWER ON", which has the focus at start.
inline constexpr std::string_view kPowerOn = "Command17";

}  // namespace qm5::layout
