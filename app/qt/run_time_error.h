// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#pragma once

#include "app/run_time_error_text.h"

#include <exception>

class QWidget;

namespace zerapol {

/// Reports an error that stopped the band logic: a line on standard error, then a modal
/// message over the window naming what failed; once the user has read it, the event loop ends
/// with kRunTimeErrorExitStatus.
void reportRunTimeError(QWidget* window, const std::exception& error);

} // namespace zerapol
