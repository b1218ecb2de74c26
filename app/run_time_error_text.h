// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace zerapol {

/// What the user is told when a control fails during a press, whichever toolkit tells it.

/// Exit status of a program ended by a run-time error.
inline constexpr int kRunTimeErrorExitStatus = 1;

/// The title of the message box.
inline constexpr std::string_view kRunTimeErrorTitle = "Greska u radu programa";

/// The message box's text, naming what failed.
inline std::string runTimeErrorMessage(std::string_view what) {
    return std::string(kRunTimeErrorTitle) + ":\n" + std::string(what) +
           "\n\nProgram ce se zatvoriti.";
}

/// The one line written to standard error, newline included.
inline std::string runTimeErrorLine(std::string_view what) {
    return "zerapol: run-time error: " + std::string(what) + "\n";
}

} // namespace zerapol
