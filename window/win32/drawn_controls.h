// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#pragma once

#include "bands/colour.h"

#include <windows.h>

namespace zerapol {

/// The window's drawn parts are child windows of classes of their own, so that each has its id,
/// its place and its place in the stacking order like any other control.

/// A swatch panel: flat, in its colour; once a band colour has been set it has a thin dark
/// edge, so that a band close to the background keeps its shape. Never takes the focus.
inline constexpr wchar_t kSwatchClass[] = L"ZerapolSwatch";

/// A shape: a window filled with its colour and cut to what it draws (a line, or the border of
/// a square or rounded rectangle), so that what lies under the rest of it shows through. Clicks
/// pass through it to what is beneath.
inline constexpr wchar_t kShapeClass[] = L"ZerapolShape";

/// Registers both classes for the module; throws std::runtime_error if Windows refuses.
void registerDrawnControlClasses(HINSTANCE instance);

/// Creates a swatch panel or a shape in a colour (system colours resolved), in its place, with
/// a text that it never shows: what a screen reader calls it.
HWND createDrawnControl(const wchar_t* windowClass, HWND parent, int id, const RECT& place,
                        Colour colour, const wchar_t* name = L"");

/// Paints a swatch panel in a band colour, with its edge, from its next repaint on.
void paintSwatch(HWND swatch, Colour colour);

/// Cuts a shape to the border of its rectangle, borderPixels wide, square or rounded.
void cutToOutline(HWND shape, int borderPixels, bool roundedCorners);

} // namespace zerapol
