// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

namespace zerapol {

/// Registers a window class of the form's for the module, with the arrow cursor and no
/// background of its own; registering it again is no error. Throws std::runtime_error if
/// Windows refuses.
void registerWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure);

} // namespace zerapol
