// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QPalette>

namespace zerapol {

/// The window's fixed light colours for every role a style paints with, whatever the desktop's
/// theme: the selectors, their lists and the button keep the platform's shapes, not its colours.
/// Meant as the application's palette, set before the window is built, so that every widget
/// starts out in it rather than having it pushed down to each one afterwards.
QPalette windowPalette();

} // namespace zerapol
