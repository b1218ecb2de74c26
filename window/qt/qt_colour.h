// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#pragma once

#include "window/window_colours.h"

#include <QColor>

namespace zerapol {

/// The QColor a colour word stands for, system colours taken from the window's fixed set.
/// Throws std::invalid_argument for a system colour the window has no use for.
inline QColor toQColor(Colour colour) {
    const Colour rgb = explicitColour(colour);
    return QColor(rgb.red(), rgb.green(), rgb.blue());
}

} // namespace zerapol
