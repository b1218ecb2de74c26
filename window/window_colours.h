// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#pragma once

#include "bands/colour.h"

namespace zerapol {

/// The window draws with a fixed light set of colours of its own, whatever the desktop theme,
/// so that black bands and leads stay visible and every caption stays readable. Every rendering
/// takes its colours from here.

/// The explicit colour a colour word stands for: explicit colours as they are, the system
/// colours the window uses (0, 9 and 19) from the fixed set. Throws std::invalid_argument for a
/// system colour the window has no use for.
Colour explicitColour(Colour colour);

/// Text and lines that carry no colour of their own.
inline constexpr Colour kDefaultTextColour = Colour::fromRgb(0, 0, 0);
inline constexpr Colour kDefaultLineColour = Colour::fromRgb(0, 0, 0);

/// The thin edge of a painted swatch, so that a band close to the background keeps its shape.
inline constexpr Colour kSwatchEdgeColour = Colour::fromRgb(0x40, 0x40, 0x40);

/// Where the user types and picks: the selectors' fields and their lists.
inline constexpr Colour kFieldColour = Colour::fromRgb(0xFF, 0xFF, 0xFF);
inline constexpr Colour kFieldTextColour = Colour::fromRgb(0, 0, 0);

/// The button's face and caption, and what is chosen in a field or a list.
inline constexpr Colour kButtonFaceColour = Colour::fromRgb(0xD4, 0xD0, 0xC8);
inline constexpr Colour kButtonTextColour = Colour::fromRgb(0, 0, 0);
inline constexpr Colour kHighlightColour = Colour::fromRgb(0x0A, 0x24, 0x6A);
inline constexpr Colour kHighlightedTextColour = Colour::fromRgb(0xFF, 0xFF, 0xFF);

/// Text of a control that cannot be used now.
inline constexpr Colour kDisabledTextColour = Colour::fromRgb(0x80, 0x80, 0x80);

} // namespace zerapol
