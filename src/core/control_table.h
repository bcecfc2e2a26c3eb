// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace qm5 {

enum class ControlKind { Frame, Label, Button, Option, Line, Timer, SerialControl };

/// A colour as #RRGGBB, or one of the desktop's system colours by its classic index.
struct Colour {
    bool system = true;
    std::uint32_t value = 0;

    friend bool operator==(const Colour&, const Colour&) = default;
};
constexpr Colour rgb(std::uint32_t value) {
    return {false, value};
}
constexpr Colour systemColour(std::uint32_t index) {
    return {true, index};
}
inline constexpr Colour kButtonFace = systemColour(15);
inline constexpr Colour kButtonText = systemColour(18);
inline constexpr Colour kInactiveCaptionText = systemColour(19);

enum class FontFace { ProportionalGothic, FixedGothic };

struct FontSpec {
    float points = 7.5F;
    bool bold = false;
    FontFace face = FontFace::ProportionalGothic;
};

/// Left, top, width and height in twips, relative to the container; for a line, its end points
/// X1, Y1, X2, Y2 in window coordinates.
struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

enum ControlFlag : unsigned {
    kCentred = 1U << 0U,
    kRightAligned = 1U << 1U,
    kSingleBorder = 1U << 2U,
    kHiddenAtStart = 1U << 3U,
    /// A plain button in the desktop's own look; every other button is painted in its back colour.
    kStandardStyle = 1U << 4U,
};

struct ControlSpec {
    std::string_view name;
    ControlKind kind;
    /// The frame that holds the control; empty for the window itself.
    std::string_view container = {};
    std::string_view caption = {};
    TwipRect geometry = {};
    Colour back = kButtonFace;
    Colour fore = kButtonText;
    FontSpec font = {};
    int tabIndex = 0;
    unsigned flags = 0;

    bool has(ControlFlag flag) const { return (flags & flag) != 0; }
};

/// The window itself, in twips.
struct WindowSpec {
    std::string_view caption;
    int clientWidth;
    int clientHeight;
    int frameSide;
    int frameTop;
    std::uint32_t back;
    std::uint32_t fore;
    FontSpec font;
    /// A line's pen width in pixels and its colour.
    int lineWidthPixels;
    std::uint32_t lineColour;
};

const WindowSpec& windowSpec();

/// Every control of the window in the order it is built: containers before what they hold.
std::span<const ControlSpec> controlTable();

const ControlSpec* findControl(std::string_view name);

}  // namespace qm5
