// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#pragma once

namespace zerapol {

class ResistorWindow;

/// Makes every press of the window's button "U redu" run evaluateBands on the window. An error
/// that escapes the evaluation, or anything else the window handles, is reported as a run-time
/// error, which ends the program.
void wireEvaluation(ResistorWindow& window);

/// Runs the window's messages, with the keyboard handling of a dialog (Tab, arrows, Enter),
/// until the program ends; returns its exit status.
int runMessageLoop(const ResistorWindow& window);

} // namespace zerapol
