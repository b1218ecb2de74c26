// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#pragma once

#include "bands/colour.h"

#include <QColor>

namespace zerapol {

/// The window draws with a fixed light palette of its own, whatever the desktop theme, so that
/// black bands and leads stay visible and every caption stays readable.

/// The colour a colour word stands for: explicit colours as they are, the system colours the
/// window uses (0, 9 and 19) from the fixed palette. Throws std::invalid_argument for a system
/// colour the window has no use for.
QColor toQColor(Colour colour);

/// Text and lines that carry no colour of their own.
inline constexpr QRgb kDefaultTextColour = 0xFF000000;
inline constexpr QRgb kDefaultLineColour = 0xFF000000;

} // namespace zerapol
