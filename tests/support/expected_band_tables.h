// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zerapol::testing {

/// What each band accepts, written out from the colour code itself rather than from the code's
/// tables: name, colour word (0x00BBGGRR), readout, in the order the selectors list them. The
/// core's tests and the fuzzer's oracle both judge the code against this.
struct ExpectedRow {
    std::string name;
    std::uint32_t word;
    std::string readout;
};

inline const std::vector<ExpectedRow> kExpectedDigits{
    {"Crna", 0x000000, "0"},        {"Braon", 0x155A7B, "1"},      {"Crvena", 0x0000FF, "2"},
    {"Narandzasta", 0x0080FF, "3"}, {"Zuta", 0x00FFFF, "4"},       {"Zelena", 0x008000, "5"},
    {"Plava", 0xE8893C, "6"},       {"Ljubicasta", 0xC000C0, "7"}, {"Siva", 0xC0C0C0, "8"},
    {"Bela", 0xFFFFFF, "9"},
};

inline const std::vector<ExpectedRow> kExpectedMultipliers{
    {"Crna", 0x000000, ""},         {"Braon", 0x155A7B, "0"},
    {"Crvena", 0x0000FF, "00"},     {"Narandzasta", 0x0080FF, "000"},
    {"Zuta", 0x00FFFF, "0,000"},    {"Zelena", 0x008000, "00,000"},
    {"Plava", 0xE8893C, "000,000"}, {"Ljubicasta", 0xC000C0, "0,000,000"},
    {"Zlatna", 0x43C1D3, ":10"},    {"Srebrna", 0xD0CEC6, ":100"},
};

inline const std::vector<ExpectedRow> kExpectedTolerances{
    {"Braon", 0x155A7B, "1%"},    {"Crvena", 0x0000FF, "2%"},        {"Zelena", 0x008000, "0.5%"},
    {"Plava", 0xE8893C, "0.25%"}, {"Ljubicasta", 0xC000C0, "0.10%"}, {"Siva", 0xC0C0C0, "0.05%"},
    {"Zlatna", 0x43C1D3, "5%"},   {"Srebrna", 0xD0CEC6, "10%"},
};

/// The expected rows of a band, 1 to 5.
inline const std::vector<ExpectedRow>& expectedFor(int band) {
    return band <= 3 ? kExpectedDigits : band == 4 ? kExpectedMultipliers : kExpectedTolerances;
}

} // namespace zerapol::testing
