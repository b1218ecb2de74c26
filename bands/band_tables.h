// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#pragma once

#include "bands/colour.h"

#include <span>
#include <string_view>

namespace zerapol {

/// Bands are numbered 1 to 5: three significant digits, the multiplier, the tolerance.
inline constexpr int kFirstBand = 1;
inline constexpr int kLastBand = 5;

/// One colour a band accepts: the exact text a selector must hold, the colour the band is
/// painted in, and the text the band's readout then shows (possibly empty).
struct ColourRow {
    std::string_view name;
    Colour swatch;
    std::string_view readout;
};

/// The rows of one band, in the order its selector offers them.
using BandTable = std::span<const ColourRow>;

/// The table of a band: the digit table for 1 to 3, the multiplier table for 4, the tolerance
/// table for 5. Throws std::out_of_range for any other number.
BandTable tableForBand(int band);

/// The row whose name equals text exactly (case-sensitive, no trimming), or nullptr.
const ColourRow* findRow(BandTable table, std::string_view text);

} // namespace zerapol
