// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#include "bands/band_tables.h"

#include <array>
#include <stdexcept>
#include <string>

namespace zerapol {
namespace {

// Each colour is named and given its swatch here only, so that a name cannot be painted
// differently in two bands.
struct NamedColour {
    std::string_view name;
    Colour swatch;
};

constexpr NamedColour kBlack{"Crna", Colour::fromRgb(0, 0, 0)};
constexpr NamedColour kBrown{"Braon", Colour::fromRgb(123, 90, 21)};
constexpr NamedColour kRed{"Crvena", Colour::fromRgb(255, 0, 0)};
constexpr NamedColour kOrange{"Narandzasta", Colour::fromRgb(255, 128, 0)};
constexpr NamedColour kYellow{"Zuta", Colour::fromRgb(255, 255, 0)};
constexpr NamedColour kGreen{"Zelena", Colour::fromRgb(0, 128, 0)};
constexpr NamedColour kBlue{"Plava", Colour::fromRgb(60, 137, 232)};
constexpr NamedColour kViolet{"Ljubicasta", Colour::fromRgb(192, 0, 192)};
constexpr NamedColour kGrey{"Siva", Colour::fromRgb(192, 192, 192)};
constexpr NamedColour kWhite{"Bela", Colour::fromRgb(255, 255, 255)};
constexpr NamedColour kGold{"Zlatna", Colour::fromRgb(211, 193, 67)};
constexpr NamedColour kSilver{"Srebrna", Colour::fromRgb(198, 206, 208)};

constexpr ColourRow row(const NamedColour& colour, std::string_view readout) {
    return ColourRow{colour.name, colour.swatch, readout};
}

constexpr std::array kDigitRows{
    row(kBlack, "0"), row(kBrown, "1"), row(kRed, "2"),    row(kOrange, "3"), row(kYellow, "4"),
    row(kGreen, "5"), row(kBlue, "6"),  row(kViolet, "7"), row(kGrey, "8"),   row(kWhite, "9"),
};

// The zeros that follow the three digits, grouped in threes; gold and silver divide instead.
constexpr std::array kMultiplierRows{
    row(kBlack, ""),       row(kBrown, "0"),      row(kRed, "00"),       row(kOrange, "000"),
    row(kYellow, "0,000"), row(kGreen, "00,000"), row(kBlue, "000,000"), row(kViolet, "0,000,000"),
    row(kGold, ":10"),     row(kSilver, ":100"),
};

constexpr std::array kToleranceRows{
    row(kBrown, "1%"),     row(kRed, "2%"),     row(kGreen, "0.5%"), row(kBlue, "0.25%"),
    row(kViolet, "0.10%"), row(kGrey, "0.05%"), row(kGold, "5%"),    row(kSilver, "10%"),
};

} // namespace

BandTable tableForBand(int band) {
    switch (band) {
    case 1:
    case 2:
    case 3:
        return kDigitRows;
    case 4:
        return kMultiplierRows;
    case 5:
        return kToleranceRows;
    default:
        throw std::out_of_range("no band " + std::to_string(band) + "; bands run from 1 to 5");
    }
}

const ColourRow* findRow(BandTable table, std::string_view text) {
    for (const ColourRow& candidate : table) {
        if (candidate.name == text) {
            return &candidate;
        }
    }
    return nullptr;
}

} // namespace zerapol
