// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#pragma once

#include <exception>

class QWidget;

namespace zerapol {

/// Exit status of a program ended by a run-time error.
inline constexpr int kRunTimeErrorExitStatus = 1;

/// Reports an error that stopped the band logic: a line on standard error, then a modal
/// message over the window naming what failed; once the user has read it, the event loop ends
/// with kRunTimeErrorExitStatus.
void reportRunTimeError(QWidget* window, const std::exception& error);

} // namespace zerapol
