// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#include "bands/colour.h"

#include <gtest/gtest.h>

namespace zerapol {
namespace {

TEST(Colour, ExplicitColourKeepsRedInTheLowestByte) {
    constexpr Colour brown = Colour::fromRgb(123, 90, 21);
    static_assert(brown.word == 0x155A7B);
    EXPECT_FALSE(brown.isSystemColour());
    EXPECT_EQ(brown.red(), 123);
    EXPECT_EQ(brown.green(), 90);
    EXPECT_EQ(brown.blue(), 21);
}

TEST(Colour, WhiteIsNotASystemColour) {
    // The top byte of an explicit colour is clear even when every component is at its maximum.
    constexpr Colour white = Colour::fromRgb(255, 255, 255);
    EXPECT_EQ(white.word, 0xFFFFFFu);
    EXPECT_FALSE(white.isSystemColour());
}

TEST(Colour, SystemColourCarriesItsIndex) {
    constexpr Colour inactiveCaptionText = Colour::system(19);
    EXPECT_EQ(inactiveCaptionText.word, 0x80000013u);
    EXPECT_TRUE(inactiveCaptionText.isSystemColour());
    EXPECT_EQ(inactiveCaptionText.systemIndex(), 19);
    EXPECT_TRUE(Colour{0x80000000u}.isSystemColour());
    EXPECT_EQ(Colour{0x80000000u}.systemIndex(), 0);
}

TEST(Colour, EqualityComparesTheWholeWord) {
    EXPECT_EQ(Colour{0x0080FF}, Colour::fromRgb(255, 128, 0));
    EXPECT_NE(Colour{0x0080FF}, Colour{0xFF8000});
    EXPECT_NE(Colour::system(0), Colour{0});
}

} // namespace
} // namespace zerapol
