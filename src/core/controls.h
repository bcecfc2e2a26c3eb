// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

/// Each control by its role, defined as its layout name: the control table names every control
/// by its layout name beside its caption; the button tables, the window, the handlers and the
/// tests use these roles. The layout's names of what is not a control:
///
/// | role                                        | layout name      |
/// |---------------------------------------------|------------------|
/// | repeat timer (held buttons)                 | `Timer1`         |
/// | reply timeout                               | `Timer2`         |
/// | port selector timer                         | `Timer3`         |
/// | monitor-clearing timer                      | `Timer4`         |
/// | serial control                              | `MSComm1`        |
/// | `Exchange::sendText`, `showReceived`        | `Hyouji`         |
/// | `Exchange::onReceived`                      | `MSComm1_OnComm` |
/// | the control panel (`ControlPanel`)          | `Form1`          |
/// | `ControlPanel::load`                        | `Form_Load`      |
/// | `ControlPanel::keyDown`                     | `Form_KeyDown`   |
namespace qm5::control {

// Monitor and status lines.
inline constexpr std::string_view kTxdLine = "Label11";
inline constexpr std::string_view kRxdLine = "Label12";
inline constexpr std::string_view kStatusLine = "Label25";

// The captions that say what a text line shows.
inline constexpr std::string_view kTxdCaption = "Label9";      // "TXD"
inline constexpr std::string_view kRxdCaption = "Label10";     // "RXD"
inline constexpr std::string_view kStatusCaption = "Label26";  // "STATUS"

// Button groups: a frame and the label whose caption titles its buttons.
inline constexpr std::string_view kPowerGroup = "Frame1";
inline constexpr std::string_view kPowerTitle = "Label1";  // "POWER"
inline constexpr std::string_view kInputGroup = "Frame2";
inline constexpr std::string_view kInputTitle = "Label2";  // "INPUT SELECT"
inline constexpr std::string_view kAudioMuteGroup = "Frame3";
inline constexpr std::string_view kAudioMuteTitle = "Label4";  // "AUDIO MUTE"
inline constexpr std::string_view kVideoMuteGroup = "Frame4";
inline constexpr std::string_view kVideoMuteTitle = "Label5";  // "VIDEO MUTE"
inline constexpr std::string_view kScreenGroup = "Frame5";
inline constexpr std::string_view kScreenTitle = "Label6";  // "VIDEO  SCREEN"
inline constexpr std::string_view kMenuGroup = "Frame6";
inline constexpr std::string_view kMenuTitle = "Label7";  // "MENU"
inline constexpr std::string_view kFreezeGroup = "Frame7";
inline constexpr std::string_view kFreezeTitle = "Label8";  // "FREEZE"
inline constexpr std::string_view kLensShiftGroup = "Frame10";
inline constexpr std::string_view kLensShiftTitle = "Label20";  // "LENS SHIFT"
inline constexpr std::string_view kInput2VideoGroup = "Frame11";
inline constexpr std::string_view kInput2VideoTitle = "Label21";  // "INPUT 2   VIDEO SELECT"
inline constexpr std::string_view kInput3Group = "Frame12";
inline constexpr std::string_view kInput3Title = "Label22";  // "INPUT 3"
inline constexpr std::string_view kOnStartGroup = "Frame13";
inline constexpr std::string_view kOnStartTitle = "Label23";  // "ON START"
inline constexpr std::string_view kPowerManagementGroup = "Frame14";
inline constexpr std::string_view kPowerManagementTitle = "Label24";  // "POWER MANEGEMENT"
// The labels beside a pair of hold buttons.
inline constexpr std::string_view kVolumeTitle = "Label3";        // "VOL"
inline constexpr std::string_view kZoomTitle = "Label13";         // "Zoom"
inline constexpr std::string_view kFocusTitle = "Label14";        // "Focus"
inline constexpr std::string_view kDigitalZoomTitle = "Label17";  // "D.Zoom"
inline constexpr std::string_view kKeystoneTitle = "Label18";     // "Keystone"

// Port and view.
inline constexpr std::string_view kPortSelector = "Frame8";
inline constexpr std::string_view kComButton = "Command33";   // "COM"
inline constexpr std::string_view kCom1Option = "Option1";    // "COM1"
inline constexpr std::string_view kCom2Option = "Option2";    // "COM2"
inline constexpr std::string_view kViewToggle = "Command34";  // "データを表示する"
inline constexpr std::string_view kEndButton = "Command16";   // "END"

// One-shot buttons. "POWER ON" has the focus at start.
inline constexpr std::string_view kPowerOn = "Command17";             // "ON" under "POWER"
inline constexpr std::string_view kPowerOff = "Command18";            // "OFF" under "POWER"
inline constexpr std::string_view kInput1 = "Command27";              // "1"
inline constexpr std::string_view kInput2Rgb = "Command28";           // "2-RGB"
inline constexpr std::string_view kInput2Video = "Command29";         // "2-Video"
inline constexpr std::string_view kInput3Video = "Command53";         // "3-Video"
inline constexpr std::string_view kInput2SVideo = "Command63";        // "S-VIDEO"
inline constexpr std::string_view kInput2YC = "Command64";            // "Y/C"
inline constexpr std::string_view kInput2Component = "Command65";     // "COMPONENT", input 2
inline constexpr std::string_view kInput3Component = "Command66";     // "COMPONENT", input 3
inline constexpr std::string_view kAudioMuteOn = "Command19";         // "ON", "AUDIO MUTE"
inline constexpr std::string_view kAudioMuteOff = "Command20";        // "OFF", "AUDIO MUTE"
inline constexpr std::string_view kVideoMuteOn = "Command21";         // "ON", "VIDEO MUTE"
inline constexpr std::string_view kVideoMuteOff = "Command22";        // "OFF", "VIDEO MUTE"
inline constexpr std::string_view kFreezeOn = "Command25";            // "ON", "FREEZE"
inline constexpr std::string_view kFreezeOff = "Command26";           // "OFF", "FREEZE"
inline constexpr std::string_view kMenuOn = "Command23";              // "ON", "MENU"
inline constexpr std::string_view kMenuOff = "Command24";             // "OFF", "MENU"
inline constexpr std::string_view kScreenNormal = "Command31";        // "Normal"
inline constexpr std::string_view kScreenFull = "Command32";          // "Full"
inline constexpr std::string_view kScreenZoom = "Command67";          // "ZOOM", "VIDEO SCREEN"
inline constexpr std::string_view kScreenWideZoom = "Command68";      // "W.ZOOM"
inline constexpr std::string_view kOnStartOn = "Command69";           // "ON", "ON START"
inline constexpr std::string_view kOnStartOff = "Command70";          // "OFF", "ON START"
inline constexpr std::string_view kPowerManagementOn = "Command71";   // "ON"
inline constexpr std::string_view kPowerManagementOff = "Command72";  // "OFF"
inline constexpr std::string_view kImage = "Command73";               // "IMAGE"
inline constexpr std::string_view kAImage = "Command13";              // "A-IMAGE"
inline constexpr std::string_view kNormal = "Command4";               // "NORMAL"
inline constexpr std::string_view kDisplayClear = "Command3";         // "DISPLAY CLEAR"
inline constexpr std::string_view kZoomSelector = "Command10";        // "ZOOM"
inline constexpr std::string_view kFocusSelector = "Command11";       // "FOCUS"
inline constexpr std::string_view kLensShiftSelector = "Command41";   // "Lens shift"
inline constexpr std::string_view kC01 = "Command52";                 // "C01"
inline constexpr std::string_view kStatusQuery = "Command44";         // "STATUS"
inline constexpr std::string_view kModeQuery = "Command45";           // "MODE"
inline constexpr std::string_view kLampTimeQuery = "Command46";       // "L-TIME"
inline constexpr std::string_view kSettingQuery = "Command47";        // "SETTING"

// Hold buttons.
inline constexpr std::string_view kVolumePlus = "Command1";         // "+" under "VOL"
inline constexpr std::string_view kVolumeMinus = "Command2";        // "-" under "VOL"
inline constexpr std::string_view kArrowUp = "Command5";            // "↑"
inline constexpr std::string_view kArrowDown = "Command7";          // "↓"
inline constexpr std::string_view kArrowLeft = "Command9";          // "←"
inline constexpr std::string_view kArrowRight = "Command8";         // "→"
inline constexpr std::string_view kSelect = "Command6";             // "SELECT"
inline constexpr std::string_view kZoomPlus = "Command15";          // "+" under "Zoom"
inline constexpr std::string_view kZoomMinus = "Command35";         // "-" under "Zoom"
inline constexpr std::string_view kFocusPlus = "Command36";         // "+" under "Focus"
inline constexpr std::string_view kFocusMinus = "Command37";        // "-" under "Focus"
inline constexpr std::string_view kDigitalZoomPlus = "Command48";   // "+" under "D.Zoom"
inline constexpr std::string_view kDigitalZoomMinus = "Command49";  // "-" under "D.Zoom"
inline constexpr std::string_view kKeystonePlus = "Command50";      // "+" under "Keystone"
inline constexpr std::string_view kKeystoneMinus = "Command51";     // "-" under "Keystone"
inline constexpr std::string_view kLensShiftUp = "Command59";       // "↑" under "LENS SHIFT"
inline constexpr std::string_view kLensShiftDown = "Command62";     // "↓" under "LENS SHIFT"

}  // namespace qm5::control
