// SPDX-License-Identifier: MIT
#include "core/control_table.h"

#include <algorithm>
#include <array>

namespace qm5 {

namespace {

using enum ControlKind;

constexpr FontSpec kWindowFont{7.5F, false};
constexpr FontSpec k75{7.5F, false};
constexpr FontSpec k75Bold{7.5F, true};
constexpr FontSpec k75Fixed{7.5F, false, FontFace::FixedGothic};
constexpr FontSpec k825Bold{8.25F, true};
constexpr FontSpec k9{9.0F, false};
constexpr FontSpec k9Bold{9.0F, true};
constexpr FontSpec k105Bold{10.5F, true};
constexpr FontSpec k12Bold{12.0F, true};

constexpr Colour kOnGreen = rgb(0xC0FFC0);
constexpr Colour kOffRed = rgb(0xFFC0C0);
constexpr Colour kCyan = rgb(0xC0FFFF);
constexpr Colour kPeach = rgb(0xFFE0C0);
constexpr Colour kOrange = rgb(0xFFC080);
constexpr Colour kLavender = rgb(0xC0C0FF);
constexpr Colour kWhite = rgb(0xFFFFFF);

constexpr WindowSpec kForm{"DRAV   QM5  CONTROL  Ver.1.10 ",
                           9510,
                           6615,
                           45,
                           330,
                           0xC0C0C0,
                           0x000000,
                           kWindowFont,
                           2,
                           0x8080FF};

// name, kind, container, caption, {left, top, width, height}, back, fore, font, tab, flags
// clang-format off
const std::array kControls{
    // Top band
    ControlSpec{"Frame1", Frame, "", "", {120, 0, 1695, 975}, kInactiveCaptionText, rgb(0x808080), kWindowFont, 0},
    ControlSpec{"Label1", Label, "Frame1", "POWER", {360, 240, 1092, 252}, kButtonFace, rgb(0xC00000), k9Bold, 2, kCentred},
    ControlSpec{"Command17", Button, "Frame1", "ON", {120, 600, 615, 300}, kOnGreen, kButtonText, k9Bold, 1},
    ControlSpec{"Command18", Button, "Frame1", "OFF", {960, 600, 615, 300}, kOffRed, kButtonText, k9Bold, 29},
    ControlSpec{"Frame2", Frame, "", "", {2040, 0, 3612, 852}, kButtonFace, kButtonText, kWindowFont, 3},
    ControlSpec{"Label2", Label, "Frame2", "INPUT SELECT", {960, 240, 1572, 252}, kButtonFace, kButtonText, k9Bold, 4, kCentred},
    ControlSpec{"Command27", Button, "Frame2", "1", {120, 480, 612, 300}, kCyan, kButtonText, k75Bold, 38},
    ControlSpec{"Command28", Button, "Frame2", "2-RGB", {840, 480, 852, 300}, kCyan, kButtonText, k75Bold, 39},
    ControlSpec{"Command29", Button, "Frame2", "2-Video", {1680, 480, 852, 300}, kCyan, kButtonText, k75Bold, 40},
    ControlSpec{"Command53", Button, "Frame2", "3-Video", {2640, 480, 852, 300}, kCyan, kButtonText, k75Bold, 71},
    ControlSpec{"Frame11", Frame, "", "", {2040, 840, 2532, 732}, kButtonFace, kButtonText, kWindowFont, 76},
    ControlSpec{"Label21", Label, "Frame11", "INPUT 2   VIDEO SELECT", {360, 120, 2052, 132}, kButtonFace, kButtonText, k75Bold, 82},
    ControlSpec{"Command63", Button, "Frame11", "S-VIDEO", {120, 360, 732, 252}, kCyan, kButtonText, k75Fixed, 78},
    ControlSpec{"Command64", Button, "Frame11", "Y/C", {840, 360, 732, 252}, kCyan, kButtonText, k75Fixed, 79},
    ControlSpec{"Command65", Button, "Frame11", "COMPONENT", {1560, 360, 852, 252}, kCyan, kButtonText, k75Fixed, 80},
    ControlSpec{"Frame12", Frame, "", "", {4560, 840, 1092, 732}, kButtonFace, kButtonText, kWindowFont, 77},
    ControlSpec{"Label22", Label, "Frame12", "INPUT 3", {240, 120, 732, 132}, kButtonFace, kButtonText, k75Bold, 83},
    ControlSpec{"Command66", Button, "Frame12", "COMPONENT", {120, 360, 852, 252}, kCyan, kButtonText, k75Fixed, 81},
    ControlSpec{"Frame5", Frame, "", "", {5880, 0, 1695, 1572}, kButtonFace, kButtonText, kWindowFont, 12},
    ControlSpec{"Label6", Label, "Frame5", "VIDEO  SCREEN", {60, 240, 1575, 240}, kButtonFace, kButtonText, k9Bold, 13, kCentred},
    ControlSpec{"Command31", Button, "Frame5", "Normal", {120, 600, 735, 300}, kCyan, kButtonText, k9Bold, 41},
    ControlSpec{"Command32", Button, "Frame5", "Full", {960, 600, 615, 300}, kCyan, kButtonText, k9Bold, 42},
    ControlSpec{"Command67", Button, "Frame5", "ZOOM", {120, 1200, 612, 252}, kCyan, kButtonText, k75, 84},
    ControlSpec{"Command68", Button, "Frame5", "W.ZOOM", {720, 1200, 852, 252}, kCyan, kButtonText, k75, 85},
    ControlSpec{"Frame10", Frame, "", "", {7800, 0, 1572, 1572}, kButtonFace, kButtonText, kWindowFont, 72},
    ControlSpec{"Label20", Label, "Frame10", "LENS SHIFT", {240, 240, 1215, 255}, kButtonFace, kButtonText, k9Bold, 75},
    ControlSpec{"Command59", Button, "Frame10", "↑", {480, 720, 492, 252}, kPeach, kButtonText, k75, 73},
    ControlSpec{"Command62", Button, "Frame10", "↓", {480, 1200, 492, 252}, kPeach, kButtonText, k75, 74},
    // Second band
    ControlSpec{"Frame3", Frame, "", "", {192, 1572, 1572, 732}, kButtonFace, kButtonText, kWindowFont, 8},
    ControlSpec{"Label4", Label, "Frame3", "AUDIO MUTE", {135, 150, 1335, 255}, kButtonFace, kButtonText, k9Bold, 9, kCentred},
    ControlSpec{"Command19", Button, "Frame3", "ON", {120, 360, 615, 300}, kOnGreen, kButtonText, k9Bold, 30},
    ControlSpec{"Command20", Button, "Frame3", "OFF", {840, 360, 615, 300}, kOffRed, kButtonText, k9Bold, 31},
    ControlSpec{"Frame4", Frame, "", "", {1896, 1560, 1572, 732}, kButtonFace, kButtonText, kWindowFont, 10},
    ControlSpec{"Label5", Label, "Frame4", "VIDEO MUTE", {240, 150, 1215, 255}, kButtonFace, kButtonText, k9Bold, 11},
    ControlSpec{"Command21", Button, "Frame4", "ON", {120, 360, 615, 300}, kOnGreen, kButtonText, k9Bold, 32},
    ControlSpec{"Command22", Button, "Frame4", "OFF", {840, 360, 615, 300}, kOffRed, kButtonText, k9Bold, 33},
    ControlSpec{"Frame7", Frame, "", "", {3588, 1572, 1572, 732}, kButtonFace, kButtonText, kWindowFont, 25},
    ControlSpec{"Label8", Label, "Frame7", "FREEZE", {240, 150, 1215, 255}, kButtonFace, kButtonText, k9Bold, 26, kCentred},
    ControlSpec{"Command25", Button, "Frame7", "ON", {120, 360, 615, 300}, kOnGreen, kButtonText, k9Bold, 36},
    ControlSpec{"Command26", Button, "Frame7", "OFF", {840, 360, 615, 300}, kOffRed, kButtonText, k9Bold, 37},
    ControlSpec{"Frame6", Frame, "", "", {5328, 1560, 1572, 732}, kButtonFace, kButtonText, kWindowFont, 14},
    ControlSpec{"Label7", Label, "Frame6", "MENU", {240, 150, 975, 255}, kButtonFace, kButtonText, k9Bold, 15, kCentred},
    ControlSpec{"Command23", Button, "Frame6", "ON", {120, 360, 615, 300}, kOnGreen, kButtonText, k9Bold, 34},
    ControlSpec{"Command24", Button, "Frame6", "OFF", {840, 360, 615, 300}, kOffRed, kButtonText, k9Bold, 35},
    ControlSpec{"Frame14", Frame, "", "", {7080, 1572, 2292, 732}, kButtonFace, kButtonText, kWindowFont, 90},
    ControlSpec{"Label24", Label, "Frame14", "POWER MANEGEMENT", {90, 150, 2130, 255}, kButtonFace, kButtonText, k9Bold, 93},
    ControlSpec{"Command71", Button, "Frame14", "ON", {360, 360, 612, 300}, kOnGreen, kButtonText, k9Bold, 91},
    ControlSpec{"Command72", Button, "Frame14", "OFF", {1200, 360, 612, 300}, kOffRed, kButtonText, k9Bold, 92},
    // Arrow pad and its cross outline
    ControlSpec{"Command5", Button, "", "↑", {1200, 2520, 855, 375}, kPeach, kButtonText, k9Bold, 18},
    ControlSpec{"Command9", Button, "", "←", {240, 3000, 855, 375}, kPeach, kButtonText, k9Bold, 22},
    ControlSpec{"Command6", Button, "", "SELECT", {1200, 3000, 855, 375}, rgb(0xFF8000), kButtonText, k9, 19},
    ControlSpec{"Command8", Button, "", "→", {2160, 3000, 855, 375}, kPeach, kButtonText, k9Bold, 21},
    ControlSpec{"Command7", Button, "", "↓", {1200, 3480, 855, 375}, kPeach, kButtonText, k9Bold, 20},
    ControlSpec{"Line7", Line, "", "", {1080, 2400, 2160, 2400}},
    ControlSpec{"Line1", Line, "", "", {1080, 2400, 1080, 2880}},
    ControlSpec{"Line2", Line, "", "", {2160, 2400, 2160, 2880}},
    ControlSpec{"Line8", Line, "", "", {120, 2880, 1080, 2880}},
    ControlSpec{"Line9", Line, "", "", {2160, 2880, 3120, 2880}},
    ControlSpec{"Line6", Line, "", "", {120, 2880, 120, 3480}},
    ControlSpec{"Line3", Line, "", "", {3120, 2880, 3120, 3480}},
    ControlSpec{"Line10", Line, "", "", {120, 3480, 1080, 3480}},
    ControlSpec{"Line12", Line, "", "", {2160, 3480, 3120, 3480}},
    ControlSpec{"Line5", Line, "", "", {1080, 3480, 1080, 3960}},
    ControlSpec{"Line4", Line, "", "", {2160, 3480, 2160, 3960}},
    ControlSpec{"Line11", Line, "", "", {1080, 3960, 2160, 3960}},
    // Adjustment rows
    ControlSpec{"Label3", Label, "", "VOL", {3600, 2520, 372, 252}, kButtonFace, kButtonText, k9Bold, 7, kCentred},
    ControlSpec{"Command1", Button, "", "+", {3600, 2880, 375, 255}, kOrange, kButtonText, k9Bold, 5},
    ControlSpec{"Command2", Button, "", "-", {3600, 3240, 375, 255}, kOrange, kButtonText, k9Bold, 6},
    ControlSpec{"Label13", Label, "", "Zoom", {4440, 2520, 492, 252}, kButtonFace, kButtonText, k9, 55},
    ControlSpec{"Command15", Button, "", "+", {4440, 2880, 375, 255}, kPeach, kButtonText, k9, 53},
    ControlSpec{"Command35", Button, "", "-", {4440, 3240, 375, 255}, kPeach, kButtonText, k9, 54},
    ControlSpec{"Label14", Label, "", "Focus", {5280, 2520, 492, 252}, kButtonFace, kButtonText, k9, 58},
    ControlSpec{"Command36", Button, "", "+", {5280, 2880, 375, 255}, kPeach, kButtonText, k9, 56},
    ControlSpec{"Command37", Button, "", "-", {5280, 3240, 375, 255}, kPeach, kButtonText, k9, 57},
    ControlSpec{"Label17", Label, "", "D.Zoom", {6360, 2520, 612, 252}, kButtonFace, kButtonText, k9, 66},
    ControlSpec{"Command48", Button, "", "+", {6480, 2880, 375, 255}, kCyan, kButtonText, k9, 64},
    ControlSpec{"Command49", Button, "", "-", {6480, 3240, 375, 255}, kCyan, kButtonText, k9, 65},
    ControlSpec{"Label18", Label, "", "Keystone", {7200, 2520, 732, 252}, kButtonFace, kButtonText, k9, 69},
    ControlSpec{"Command50", Button, "", "+", {7320, 2880, 375, 255}, kCyan, kButtonText, k9, 67},
    ControlSpec{"Command51", Button, "", "-", {7320, 3240, 375, 255}, kCyan, kButtonText, k9, 68},
    // Right column
    ControlSpec{"Command73", Button, "", "IMAGE", {8400, 2520, 972, 252}, kCyan, kButtonText, k9, 94},
    ControlSpec{"Command13", Button, "", "A-IMAGE", {8400, 3000, 975, 250}, rgb(0x00C0C0), kButtonText, k9, 27},
    ControlSpec{"Command4", Button, "", "NORMAL", {8400, 3360, 975, 250}, kLavender, kButtonText, k9, 17},
    ControlSpec{"Command3", Button, "", "DISPLAY CLEAR", {8400, 3600, 975, 492}, kLavender, kButtonText, k9, 16},
    ControlSpec{"Command16", Button, "", "END", {8400, 4320, 975, 375}, kButtonFace, kButtonText, k9Bold, 28, kStandardStyle},
    // Bottom row and the port selector, which lies over "COM"
    ControlSpec{"Command10", Button, "", "ZOOM", {120, 4320, 975, 375}, kPeach, kButtonText, k9Bold, 23},
    ControlSpec{"Command11", Button, "", "FOCUS", {1200, 4320, 975, 375}, kPeach, kButtonText, k9Bold, 24},
    ControlSpec{"Command41", Button, "", "Lens shift", {2280, 4440, 975, 255}, kPeach, kButtonText, k9, 59},
    ControlSpec{"Command33", Button, "", "COM", {4080, 4200, 1815, 375}, kButtonFace, kButtonText, k9, 43},
    ControlSpec{"Frame8", Frame, "", "", {4080, 4080, 1935, 585}, kButtonFace, kButtonText, kWindowFont, 44, kHiddenAtStart},
    ControlSpec{"Option1", Option, "Frame8", "COM1", {120, 240, 855, 255}, kButtonFace, kButtonText, k9Bold, 45},
    ControlSpec{"Option2", Option, "Frame8", "COM2", {960, 240, 855, 255}, kButtonFace, kButtonText, k9Bold, 46},
    // Maintenance area, below the normal height
    ControlSpec{"Frame9", Frame, "", "", {120, 4920, 6612, 1068}, kButtonFace, kButtonText, kWindowFont, 47},
    ControlSpec{"Label9", Label, "Frame9", "TXD", {120, 240, 372, 252}, kButtonFace, kButtonText, k9, 48, kRightAligned},
    ControlSpec{"Label11", Label, "Frame9", "", {600, 192, 5892, 300}, kWhite, kButtonText, k12Bold, 50, kSingleBorder},
    ControlSpec{"Label10", Label, "Frame9", "RXD", {120, 720, 372, 180}, kButtonFace, kButtonText, k9, 49, kRightAligned},
    ControlSpec{"Label12", Label, "Frame9", "", {588, 600, 5892, 300}, kWhite, kButtonText, k12Bold, 51, kSingleBorder},
    ControlSpec{"Command34", Button, "", "データを表示する", {6960, 5040, 1092, 375}, kButtonFace, kButtonText, k9, 52, kHiddenAtStart},
    ControlSpec{"Frame13", Frame, "", "", {8280, 4920, 1092, 735}, kButtonFace, kButtonText, kWindowFont, 86},
    ControlSpec{"Label23", Label, "Frame13", "ON START", {120, 120, 852, 252}, kButtonFace, kButtonText, k75Bold, 89},
    ControlSpec{"Command69", Button, "Frame13", "ON", {120, 360, 384, 285}, kOnGreen, kButtonText, k75, 87},
    ControlSpec{"Command70", Button, "Frame13", "OFF", {585, 360, 408, 285}, kOffRed, kButtonText, k75, 88},
    ControlSpec{"Command44", Button, "", "STATUS", {7440, 5760, 975, 255}, kCyan, kButtonText, k825Bold, 60},
    ControlSpec{"Command45", Button, "", "MODE", {7440, 6000, 975, 255}, kCyan, kButtonText, k825Bold, 61},
    ControlSpec{"Command46", Button, "", "L-TIME", {8400, 5760, 975, 255}, kCyan, kButtonText, k825Bold, 62},
    ControlSpec{"Command47", Button, "", "SETTING", {8400, 6000, 975, 255}, kCyan, kButtonText, k825Bold, 63},
    ControlSpec{"Frame15", Frame, "", "", {720, 6000, 6012, 492}, kButtonFace, kButtonText, kWindowFont, 95},
    ControlSpec{"Label26", Label, "Frame15", "STATUS", {120, 204, 732, 180}, kButtonFace, kButtonText, k9, 97},
    ControlSpec{"Label25", Label, "Frame15", "", {840, 132, 5052, 288}, kWhite, rgb(0xFF0000), k105Bold, 96, kSingleBorder},
    ControlSpec{"Command52", Button, "", "C01", {120, 6120, 495, 255}, kOffRed, kButtonText, k9, 70},
    // Invisible at run time
    ControlSpec{"Timer1", Timer},
    ControlSpec{"Timer2", Timer},
    ControlSpec{"Timer3", Timer},
    ControlSpec{"Timer4", Timer},
    ControlSpec{"MSComm1", SerialControl},
};
// clang-format on

}  // namespace

const WindowSpec& windowSpec() {
    return kForm;
}

std::span<const ControlSpec> controlTable() {
    return kControls;
}

const ControlSpec* findControl(std::string_view name) {
    const auto found = std::ranges::find(kControls, name, &ControlSpec::name);
    return found == kControls.end() ? nullptr : &*found;
}

}  // namespace qm5
