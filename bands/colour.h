// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace zerapol {

/// A 32-bit colour word. With the top bit clear it is an explicit colour laid out as 0x00BBGGRR
/// (red in the lowest byte); with the top bit set its low byte indexes a platform system colour.
struct Colour {
    std::uint32_t word;

    static constexpr std::uint32_t kSystemFlag = 0x80000000u;

    /// An explicit colour from its red, green and blue components.
    static constexpr Colour fromRgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
        return Colour{std::uint32_t{red} | std::uint32_t{green} << 8 | std::uint32_t{blue} << 16};
    }

    /// The system colour with the given index (19 gives 0x80000013).
    static constexpr Colour system(std::uint8_t index) { return Colour{kSystemFlag | index}; }

    constexpr bool isSystemColour() const { return (word & kSystemFlag) != 0; }

    /// The system colour index; meaningful only when isSystemColour().
    constexpr std::uint8_t systemIndex() const { return static_cast<std::uint8_t>(word & 0xFFu); }

    /// Components of an explicit colour; meaningless for a system colour.
    constexpr std::uint8_t red() const { return static_cast<std::uint8_t>(word & 0xFFu); }
    constexpr std::uint8_t green() const { return static_cast<std::uint8_t>(word >> 8 & 0xFFu); }
    constexpr std::uint8_t blue() const { return static_cast<std::uint8_t>(word >> 16 & 0xFFu); }

    friend constexpr bool operator==(Colour, Colour) = default;
};

} // namespace zerapol
