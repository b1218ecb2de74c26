// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#pragma once

namespace zerapol {

class ResistorForm;

/// Makes every click of the form's button "U redu" run evaluateBands on the form. An error
/// that escapes the evaluation is reported as a run-time error, which ends the program.
void wireEvaluation(ResistorForm& form);

} // namespace zerapol
