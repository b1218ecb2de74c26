// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#pragma once

#include "window/form_description.h"
#include "window/win32/gdi_objects.h"

namespace zerapol {

/// The font a control asks for, at a density in dots per inch: its first installed face in
/// its character set, else whatever face of the same kind Windows' font mapper offers. Throws
/// std::runtime_error when Windows makes no font at all.
FontObject createFont(const FontSpec& wanted, int dpi);

} // namespace zerapol
