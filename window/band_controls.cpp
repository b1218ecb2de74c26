// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#include "window/band_controls.h"

#include "bands/band_tables.h"

#include <array>
#include <stdexcept>
#include <string>

namespace zerapol {
namespace {

constexpr std::array<BandControls, 5> kBands{{
    {1, "Prva cifra", "Combo1", "Picture1", "Label1"},
    {2, "Druga cifra", "Combo2", "Picture2", "Label6"},
    {3, "Treca cifra", "Combo3", "Picture3", "Label7"},
    {4, "Broj nula", "Combo4", "Picture4", "Label2"},
    {5, "Tolerancija", "Combo5", "Picture5", "Label3"},
}};

} // namespace

std::span<const BandControls> bandControls() {
    return kBands;
}

const BandControls* bandOfControl(std::string_view control) {
    for (const BandControls& band : kBands) {
        if (control == band.selector || control == band.swatch || control == band.readout) {
            return &band;
        }
    }
    return nullptr;
}

std::string selectorLabel(const BandControls& band) {
    return std::string(band.role) + ", boja trake";
}

std::string swatchName(const BandControls& band) {
    return std::string(band.role) + ", traka";
}

const BandControls& controlsOfBand(int band) {
    if (band < kFirstBand || band > kLastBand) {
        throw std::out_of_range("no band " + std::to_string(band) + "; bands run from 1 to 5");
    }
    return kBands[static_cast<std::size_t>(band - kFirstBand)];
}

} // namespace zerapol
