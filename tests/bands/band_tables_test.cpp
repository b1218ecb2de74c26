// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#include "bands/band_tables.h"

#include <algorithm>
#include <climits>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace zerapol {
namespace {

// What each band accepts, written out from the colour code itself rather than from the code's
// tables: name, colour word (0x00BBGGRR), readout, in the order the selectors list them.
struct ExpectedRow {
    std::string name;
    std::uint32_t word;
    std::string readout;
};

const std::vector<ExpectedRow> kExpectedDigits{
    {"Crna", 0x000000, "0"},        {"Braon", 0x155A7B, "1"},      {"Crvena", 0x0000FF, "2"},
    {"Narandzasta", 0x0080FF, "3"}, {"Zuta", 0x00FFFF, "4"},       {"Zelena", 0x008000, "5"},
    {"Plava", 0xE8893C, "6"},       {"Ljubicasta", 0xC000C0, "7"}, {"Siva", 0xC0C0C0, "8"},
    {"Bela", 0xFFFFFF, "9"},
};

const std::vector<ExpectedRow> kExpectedMultipliers{
    {"Crna", 0x000000, ""},         {"Braon", 0x155A7B, "0"},
    {"Crvena", 0x0000FF, "00"},     {"Narandzasta", 0x0080FF, "000"},
    {"Zuta", 0x00FFFF, "0,000"},    {"Zelena", 0x008000, "00,000"},
    {"Plava", 0xE8893C, "000,000"}, {"Ljubicasta", 0xC000C0, "0,000,000"},
    {"Zlatna", 0x43C1D3, ":10"},    {"Srebrna", 0xD0CEC6, ":100"},
};

const std::vector<ExpectedRow> kExpectedTolerances{
    {"Braon", 0x155A7B, "1%"},    {"Crvena", 0x0000FF, "2%"},        {"Zelena", 0x008000, "0.5%"},
    {"Plava", 0xE8893C, "0.25%"}, {"Ljubicasta", 0xC000C0, "0.10%"}, {"Siva", 0xC0C0C0, "0.05%"},
    {"Zlatna", 0x43C1D3, "5%"},   {"Srebrna", 0xD0CEC6, "10%"},
};

const std::vector<ExpectedRow>& expectedFor(int band) {
    return band <= 3 ? kExpectedDigits : band == 4 ? kExpectedMultipliers : kExpectedTolerances;
}

const std::vector<std::string> kAllNames{"Crna", "Braon",  "Crvena", "Narandzasta",
                                         "Zuta", "Zelena", "Plava",  "Ljubicasta",
                                         "Siva", "Bela",   "Zlatna", "Srebrna"};

class EveryBand : public ::testing::TestWithParam<int> {};

INSTANTIATE_TEST_SUITE_P(Bands, EveryBand, ::testing::Range(kFirstBand, kLastBand + 1),
                         [](const auto& param) { return "band" + std::to_string(param.param); });

TEST_P(EveryBand, TableHoldsExactlyTheBandsRowsInSelectorOrder) {
    const int band = GetParam();
    const BandTable table = tableForBand(band);
    const std::vector<ExpectedRow>& expected = expectedFor(band);
    ASSERT_EQ(table.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("row " + std::to_string(i + 1) + " " + expected[i].name);
        EXPECT_EQ(table[i].name, expected[i].name);
        EXPECT_EQ(table[i].swatch.word, expected[i].word);
        EXPECT_FALSE(table[i].swatch.isSystemColour());
        EXPECT_EQ(table[i].readout, expected[i].readout);
    }
}

TEST_P(EveryBand, FindsEachOfItsColoursAndRejectsTheOthers) {
    const int band = GetParam();
    const std::vector<ExpectedRow>& expected = expectedFor(band);
    for (const std::string& name : kAllNames) {
        SCOPED_TRACE(name);
        const auto wanted = std::find_if(expected.begin(), expected.end(),
                                         [&](const ExpectedRow& row) { return row.name == name; });
        const ColourRow* found = findRow(tableForBand(band), name);
        if (wanted == expected.end()) {
            EXPECT_EQ(found, nullptr);
        } else {
            ASSERT_NE(found, nullptr);
            EXPECT_EQ(found->swatch.word, wanted->word);
            EXPECT_EQ(found->readout, wanted->readout);
        }
    }
}

TEST_P(EveryBand, MatchesOnlyTheExactText) {
    using namespace std::string_literals;
    const std::vector<std::string> nearMisses{
        "",
        "crna",
        "CRNA",
        " Crna",
        "Crna ",
        "\tCrna",
        "Crna\n",
        "Cr",
        "Crnaa",
        "Crna\0"s,
        "\xC5\xBDuta" /* Zuta with a caron */,
        "Zu\xCC\x81ta" /* combining accent */,
        "Ljubi\xC4\x8D"s + "asta" /* c with a caron */,
        "Izaberite boju",
        "Narandzasta\r",
        "Zlatna Srebrna",
    };
    for (const std::string& text : nearMisses) {
        SCOPED_TRACE(::testing::PrintToString(text));
        EXPECT_EQ(findRow(tableForBand(GetParam()), text), nullptr);
    }
}

TEST(BandTables, NoNameStandsTwiceInATable) {
    for (int band = kFirstBand; band <= kLastBand; ++band) {
        std::vector<std::string_view> names;
        for (const ColourRow& row : tableForBand(band)) {
            names.push_back(row.name);
        }
        std::sort(names.begin(), names.end());
        EXPECT_EQ(std::adjacent_find(names.begin(), names.end()), names.end()) << "band " << band;
    }
}

TEST(BandTables, BlackMultiplierIsARowWithAnEmptyReadout) {
    // The empty readout clears the zeros; it must not be mistaken for "no match".
    const ColourRow* black = findRow(tableForBand(4), "Crna");
    ASSERT_NE(black, nullptr);
    EXPECT_TRUE(black->readout.empty());
    EXPECT_EQ(black->swatch.word, 0x000000u);
}

TEST(BandTables, BandNumbersOutsideOneToFiveAreRejectedLoudly) {
    for (const int band : {0, 6, -1, 7, INT_MIN, INT_MAX}) {
        EXPECT_THROW(tableForBand(band), std::out_of_range) << "band " << band;
    }
}

TEST(BandTables, FindRowInAnEmptyTableFindsNothing) {
    EXPECT_EQ(findRow(BandTable{}, "Crna"), nullptr);
    EXPECT_EQ(findRow(BandTable{}, ""), nullptr);
}

} // namespace
} // namespace zerapol
