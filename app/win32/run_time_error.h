// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#pragma once

#include "app/run_time_error_text.h"

#include <exception>
#include <windows.h>

namespace zerapol {

/// Reports an error that stopped the band logic: a line on standard error where there is one,
/// then a modal message box over the window naming what failed; once the user has read it, the
/// message loop ends with kRunTimeErrorExitStatus.
void reportRunTimeError(HWND window, const std::exception& error);

} // namespace zerapol
