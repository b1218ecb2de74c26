// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#pragma once

namespace zerapol {

/// Names the running application for the desktop (name, version, desktop entry) and gives its
/// windows the program's icon and fixed light palette. Call once the QApplication exists and
/// before the window is built.
void setUpApplication();

} // namespace zerapol
