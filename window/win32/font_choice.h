// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#pragma once

#include "window/form_description.h"
#include "window/win32/gdi_objects.h"

#include <functional>
#include <string>
#include <string_view>

namespace zerapol {

/// How a face is installed, as EnumFontFamiliesExW reports it: as bitmaps drawn for one
/// density, as outlines (TrueType, OpenType or vector) that scale to any, or both.
struct FaceKinds {
    bool raster = false;
    bool outline = false;
};

/// Tells how a face, by name, is installed; both false when it is not.
using FaceLookup = std::function<FaceKinds(std::wstring_view face)>;

/// The face a control's font takes at a density in dots per inch. At the design's density
/// (96 dpi) it is the first of the font's faces that is installed, as designed: the bitmap faces
/// of the design were drawn for that density, pixel for pixel. At any other it is the first
/// installed as outlines, since Windows scales a bitmap face by whole multiples or takes another
/// size, and the text turns blocky. Empty when none fits: the font mapper then chooses by pitch
/// and family.
std::wstring chooseFace(const FontSpec& wanted, int dpi, const FaceLookup& installed);

/// How a face is installed on this machine.
FaceKinds installedKinds(std::wstring_view face);

/// The font a control asks for, at a density: its face as chooseFace() takes it from what is
/// installed, in its character set. Throws std::runtime_error when Windows makes no font.
FontObject createFont(const FontSpec& wanted, int dpi);

} // namespace zerapol
