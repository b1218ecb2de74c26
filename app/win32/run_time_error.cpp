// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#include "app/win32/run_time_error.h"

#include "window/win32/wide_text.h"

#include <cstdio>

namespace zerapol {

void reportRunTimeError(HWND window, const std::exception& error) {
    // A program of the Windows subsystem has a standard error only when whoever started it
    // gave it one; the C runtime then writes there and otherwise drops the line.
    std::fputs(runTimeErrorLine(error.what()).c_str(), stderr);
    std::fflush(stderr);

    MessageBoxW(window, toWide(runTimeErrorMessage(error.what())).c_str(),
                toWide(kRunTimeErrorTitle).c_str(), MB_OK | MB_ICONERROR);
    PostQuitMessage(kRunTimeErrorExitStatus);
}

} // namespace zerapol
