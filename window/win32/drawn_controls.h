// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#pragma once

#include "bands/colour.h"
#include "window/form_description.h"

#include <windows.h>

namespace zerapol {

/// What the window draws itself. A swatch is a child window of a class of its own, so that it
/// has its id, its place and its screen-reader name like any other control. Outlines and lines
/// are no windows: the form draws them, and a control lying under one has the form draw the
/// part that falls on it over its own painting, so that they stay on top as the design stacks
/// them and clicks reach what is beneath.

/// A swatch panel: flat, in its colour; once a band colour has been set it has a thin dark
/// edge, so that a band close to the background keeps its shape. Never takes the focus.
inline constexpr wchar_t kSwatchClass[] = L"ZerapolSwatch";

/// Sent by a control to its form once it has painted, with its DC in wParam and its window in
/// lParam: the form draws on that DC the outlines and lines stacked above the control.
inline constexpr UINT kDrawShapesOver = WM_APP + 1;

/// Has the control's form draw on the DC the outlines and lines stacked above the control.
void drawFormShapesOver(HWND control, HDC dc);

/// Registers the swatch class for the module; throws std::runtime_error if Windows refuses.
void registerSwatchClass(HINSTANCE instance);

/// Creates a swatch panel in its colour (system colours resolved) and place, with a text that
/// it never shows: what a screen reader calls it.
HWND createSwatch(HWND parent, int id, const RECT& place, Colour colour, const wchar_t* name);

/// Paints a swatch panel in a band colour, with its edge, from its next repaint on.
void paintSwatch(HWND swatch, Colour colour);

/// Draws an outline (its border only, square or rounded) or a line, filling `place`, which is
/// where it stands in the DC's coordinates at the density.
void drawShape(HDC dc, const ControlSpec& shape, const RECT& place, int dpi);

} // namespace zerapol
