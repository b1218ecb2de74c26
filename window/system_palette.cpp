// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#include "window/system_palette.h"

#include <array>
#include <stdexcept>
#include <string>

namespace zerapol {
namespace {

struct SystemColour {
    std::uint8_t index;
    QRgb rgb;
};

constexpr std::array kSystemColours{
    SystemColour{0, 0xFFD4D0C8},  // scroll bar: the readouts' background
    SystemColour{9, 0xFFFFFFFF},  // caption text
    SystemColour{19, 0xFFD4D0C8}, // inactive caption text: the window and the empty swatches
};

} // namespace

QColor toQColor(Colour colour) {
    if (!colour.isSystemColour()) {
        return QColor(colour.red(), colour.green(), colour.blue());
    }
    for (const SystemColour& system : kSystemColours) {
        if (system.index == colour.systemIndex()) {
            return QColor::fromRgb(system.rgb);
        }
    }
    throw std::invalid_argument("the window has no system colour " +
                                std::to_string(colour.systemIndex()));
}

} // namespace zerapol
