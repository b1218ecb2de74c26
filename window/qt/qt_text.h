// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <string_view>

namespace zerapol {

/// The UTF-8 text of the tables as a QString; the view need not end in a NUL.
inline QString qtText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace zerapol
