// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace zerapol {

/// Which controls of Form1 make up each band. The control names do not follow the band
/// numbers (band 2's readout is Label6), so the mapping is data, not a rule on names.
struct BandControls {
    int band;
    std::string_view role; ///< what the band means, as a screen reader says it
    std::string_view selector;
    std::string_view swatch;
    std::string_view readout;
};

/// The five bands in order, band 1 first.
std::span<const BandControls> bandControls();

/// The controls of a band, 1 to 5; throws std::out_of_range for any other number.
const BandControls& controlsOfBand(int band);

/// The band a control belongs to, by the control's name; nullptr for a control of no band.
const BandControls* bandOfControl(std::string_view control);

/// What a screen reader says of a band's controls, so that five alike are told apart: the
/// selector's label ("Prva cifra, boja trake") and the swatch's name ("Prva cifra, traka").
/// A readout keeps its text as its name and has the band's role as its description.
std::string selectorLabel(const BandControls& band);
std::string swatchName(const BandControls& band);

} // namespace zerapol
