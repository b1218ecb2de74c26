// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#pragma once

#include "window/window_colours.h"

#include <memory>
#include <type_traits>
#include <windows.h>

namespace zerapol {

/// Owners of GDI objects: each deletes its object when it goes.
struct GdiObjectDeleter {
    void operator()(void* object) const { DeleteObject(static_cast<HGDIOBJ>(object)); }
};
template <typename Handle>
using GdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;
using FontObject = GdiObject<HFONT>;
using BrushObject = GdiObject<HBRUSH>;

/// The COLORREF a colour word stands for, system colours taken from the window's fixed set;
/// both keep red in the lowest byte. Throws std::invalid_argument as explicitColour does.
inline COLORREF toColorRef(Colour colour) {
    const Colour rgb = explicitColour(colour);
    return RGB(rgb.red(), rgb.green(), rgb.blue());
}

} // namespace zerapol
