// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#include "window/window_colours.h"

#include <array>
#include <stdexcept>
#include <string>

namespace zerapol {
namespace {

struct SystemColour {
    std::uint8_t index;
    Colour colour;
};

// A classic light desktop's values, fixed so that the window looks the same on every theme.
constexpr std::array kSystemColours{
    SystemColour{0, Colour::fromRgb(0xD4, 0xD0, 0xC8)},  // scroll bar: the readouts' background
    SystemColour{9, Colour::fromRgb(0xFF, 0xFF, 0xFF)},  // caption text
    SystemColour{19, Colour::fromRgb(0xD4, 0xD0, 0xC8)}, // inactive caption text: the window
};

} // namespace

Colour explicitColour(Colour colour) {
    if (!colour.isSystemColour()) {
        return colour;
    }
    for (const SystemColour& system : kSystemColours) {
        if (system.index == colour.systemIndex()) {
            return system.colour;
        }
    }
    throw std::invalid_argument("the window has no system colour " +
                                std::to_string(colour.systemIndex()));
}

} // namespace zerapol
