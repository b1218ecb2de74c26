// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#include "bands/band_tables.h"
#include "tests/support/expected_band_tables.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace zerapol {
namespace {

using testing::expectedFor;
using testing::ExpectedRow;

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

// Texts that differ from a name of the band by case, blanks, a control character, a letter
// too many or too few: each must match nothing, in the band whose name it nearly is.
std::vector<std::string> nearMissesOf(const std::string& name) {
    using namespace std::string_literals;
    std::string lower = name;
    std::string upper = name;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return {lower,
            upper,
            " " + name,
            name + " ",
            "\t" + name,
            name + "\n",
            name + "\r",
            name + "\0"s,
            name + name.back(),
            name.substr(0, name.size() - 1)};
}

TEST_P(EveryBand, MatchesOnlyTheExactText) {
    using namespace std::string_literals;
    std::vector<std::string> nearMisses{
        "",
        "\xC5\xBDuta" /* Zuta with a caron */,
        "Zu\xCC\x81ta" /* combining accent */,
        "Ljubi\xC4\x8D"s + "asta" /* c with a caron */,
        "Izaberite boju",
        "Zlatna Srebrna",
    };
    for (const ExpectedRow& row : expectedFor(GetParam())) {
        for (std::string& text : nearMissesOf(row.name)) {
            nearMisses.push_back(std::move(text));
        }
    }
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
