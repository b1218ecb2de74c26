// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#pragma once

#include "window/form_description.h"

#include <string_view>

namespace zerapol {

/// Windows finds a child window by a number, not a name: each control of the window
/// description is given the number of its place in the table, counted from kFirstControlId so
/// that no control shares IDOK (1) or IDCANCEL (2), which the dialog manager sends for Enter
/// and Escape.
inline constexpr int kFirstControlId = 100;

/// The id of the window's child windows that are no control of the description (the hidden
/// labels that name the selectors for screen readers), as Windows' static texts usually have.
inline constexpr int kUnnamedControlId = -1;

/// The id of the named control; throws std::out_of_range for a name the description lacks.
int controlId(std::string_view name);

/// The control with the id, or nullptr.
const ControlSpec* controlOfId(int id);

} // namespace zerapol
