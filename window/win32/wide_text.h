// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace zerapol {

/// The tables' UTF-8 text as the UTF-16 that Windows' W functions take, and back. The one place
/// where the two meet; text that is not valid UTF-8 comes out with replacement characters.
std::wstring toWide(std::string_view utf8);
std::string toUtf8(std::wstring_view wide);

} // namespace zerapol
