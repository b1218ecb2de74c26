// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#include "app/win32/click_wiring.h"

#include "app/win32/run_time_error.h"
#include "bands/evaluate.h"
#include "window/win32/resistor_window.h"

namespace zerapol {
namespace {
constexpr auto kEvaluateButton = "Command1";
}

void wireEvaluation(ResistorWindow& window) {
    window.onClick(kEvaluateButton, [&window] { evaluateBands(window); });
    window.onError(
        [&window](const std::exception& error) { reportRunTimeError(window.handle(), error); });
}

int runMessageLoop(const ResistorWindow& window) {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        HWND form = window.handle();
        if (form == nullptr || !IsDialogMessageW(form, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

} // namespace zerapol
