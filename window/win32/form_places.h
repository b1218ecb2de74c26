// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#pragma once

#include "window/form_description.h"

#include <vector>
#include <windows.h>

namespace zerapol {

/// Where each part of Form1 stands in its client area at a density, and which stands above
/// which: Windows draws overlapping siblings and moves the focus by one stacking order, top to
/// bottom, and the outlines and lines the form draws keep their places in it.

/// A control's rectangle in device pixels at the density; a line's is the strip its width
/// covers.
RECT placeOf(const ControlSpec& design, int dpi);

/// Whether the description's part is an outline or a line, which the form draws: no window.
bool isShape(const ControlSpec& design);

/// Every part of the description, top of the stacking order first.
const std::vector<const ControlSpec*>& stackingOrder();

/// The outlines and lines stacked above a control that lie on it at the density, top first.
std::vector<const ControlSpec*> shapesAbove(const ControlSpec& design, int dpi);

} // namespace zerapol
