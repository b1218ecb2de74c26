// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <windows.h>

namespace zerapol {

/// Gives a control the description a screen reader says after its name: the control answers
/// WM_GETOBJECT for its client area with Windows' own accessible object for it, wrapped so
/// that only the description differs. A readout's name stays what it shows ("2"); its
/// description says what that is ("Prva cifra"). Throws std::runtime_error if Windows refuses.
void describeForScreenReaders(HWND control, std::wstring description);

} // namespace zerapol
