// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#pragma once

#include "bands/colour.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace zerapol {

/// The window described as data: the form itself and every control on it, positioned in twips
/// as the window was designed, with its fonts. No toolkit is named here; each rendering of the
/// window walks this description, and nothing else places a control.

inline constexpr int kNoTabIndex = -1;

/// The density at which the design was drawn: 15 twips to the pixel.
inline constexpr int kDesignDpi = 96;

/// Device pixels of a length in twips (1440 to the inch) at a density, rounded to the nearest.
constexpr int twipsToPixels(int twips, int dpi = kDesignDpi) {
    return (twips * dpi + 720) / 1440;
}

/// Device pixels of a font's point size (72 to the inch) at a density, rounded to the nearest.
constexpr int pointsToPixels(int points, int dpi = kDesignDpi) {
    return (points * dpi + 36) / 72;
}

enum class ControlKind {
    PushButton,  ///< a button with a caption
    SwatchPanel, ///< a flat coloured panel: one band painted on the resistor
    Selector,    ///< an editable drop-down holding a band's colour names
    ReadoutText, ///< a label showing what a band contributes to the value
    CaptionText, ///< a fixed label
    Outline,     ///< a rectangle drawn as its border only
    Line,        ///< a straight line between two points
};

struct TwipRect {
    int left;
    int top;
    int width;
    int height;
};

struct TwipPoint {
    int x;
    int y;
};

enum class GenericFamily { SansSerif, Monospace };

/// A font as the design names it, with what to use where none of its faces is installed.
struct FontSpec {
    std::span<const std::string_view> families; ///< tried in order
    GenericFamily fallback;
    int pointSize;
    int weight;                    ///< 400 normal, 700 bold
    std::uint8_t characterSet = 0; ///< Windows' character set; Unicode toolkits need none
};

enum class TextAlignment { Left, Centre };

struct ControlSpec {
    std::string_view name;
    ControlKind kind;
    TwipRect bounds{};          ///< unused for a Line
    TwipPoint from{}, to{};     ///< a Line's end points
    int tabIndex = kNoTabIndex; ///< order of keyboard focus among controls that take it
    std::string_view text{};    ///< caption, or a selector's initial text
    std::optional<Colour> background{};
    std::optional<Colour> foreground{}; ///< text or line colour; unset means the default
    const FontSpec* font = nullptr;     ///< unset means the form's dialog font
    TextAlignment alignment = TextAlignment::Left;
    int borderWidth = 1; ///< outlines and lines, in pixels
    bool roundedCorners = false;
    bool drawnAboveSiblings = false; ///< a frame that must stay visible over what it frames
};

struct FormSpec {
    std::string_view name;
    std::string_view title;
    int clientWidth; ///< twips
    int clientHeight;
    Colour background;
    const FontSpec* font; ///< for every control that names no font of its own
};

/// The one window, Form1.
const FormSpec& formSpec();

/// Form1's controls in the order the window creates them.
std::span<const ControlSpec> formControls();

} // namespace zerapol
