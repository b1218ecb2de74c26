// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#include "app/win32/click_wiring.h"
#include "app/win32/run_time_error.h"
#include "window/win32/resistor_window.h"

#include <commctrl.h>
#include <exception>
#include <objbase.h>

namespace {

// The icon group the resource script gives the executable.
constexpr int kIconResource = 1;

void setWindowIcons(HWND window, HINSTANCE instance) {
    const UINT dpi = GetDpiForWindow(window);
    for (const auto& [which, metric] :
         {std::pair{ICON_BIG, SM_CXICON}, {ICON_SMALL, SM_CXSMICON}}) {
        const int size = GetSystemMetricsForDpi(metric, dpi);
        // Shared icons are owned by the system: nothing to free.
        auto* icon = LoadImageW(instance, MAKEINTRESOURCEW(kIconResource), IMAGE_ICON, size, size,
                                LR_SHARED);
        SendMessageW(window, WM_SETICON, static_cast<WPARAM>(which),
                     reinterpret_cast<LPARAM>(icon));
    }
}

} // namespace

// The program takes no command line: what it is given is ignored.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    try {
        zerapol::ResistorWindow form(instance);
        setWindowIcons(form.handle(), instance);
        zerapol::wireEvaluation(form);
        form.onDestroyed([] { PostQuitMessage(0); });
        ShowWindow(form.handle(), showCommand);
        UpdateWindow(form.handle());
        return zerapol::runMessageLoop(form);
    } catch (const std::exception& error) {
        zerapol::reportRunTimeError(nullptr, error);
        return zerapol::kRunTimeErrorExitStatus;
    }
}
