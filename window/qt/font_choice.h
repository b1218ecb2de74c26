// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#pragma once

#include "window/form_description.h"

#include <QFont>

namespace zerapol {

/// The font a control asks for: its first installed face, else the platform's face of the same
/// kind. Points are converted at 96 dpi, the density the window's twips assume, so that text
/// keeps its proportion to the controls it sits in.
QFont chooseFont(const FontSpec& wanted);

} // namespace zerapol
