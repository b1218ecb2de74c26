// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#include "window/win32/font_choice.h"

#include "window/win32/wide_text.h"

#include <cwchar>
#include <stdexcept>

namespace zerapol {
namespace {

int CALLBACK noteKind(const LOGFONTW*, const TEXTMETRICW*, DWORD fontType, LPARAM kinds) {
    auto& found = *reinterpret_cast<FaceKinds*>(kinds);
    // Neither raster nor TrueType is a vector face, which scales as outlines do.
    if ((fontType & RASTER_FONTTYPE) != 0) {
        found.raster = true;
    } else {
        found.outline = true;
    }
    // Outlines serve at every density: nothing more needs knowing of this face.
    return found.outline ? 0 : 1;
}

} // namespace

std::wstring chooseFace(const FontSpec& wanted, int dpi, const FaceLookup& installed) {
    const bool designDensity = dpi == kDesignDpi;
    for (const std::string_view face : wanted.families) {
        std::wstring wide = toWide(face);
        const FaceKinds kinds = installed(wide);
        if (kinds.outline || (designDensity && kinds.raster)) {
            return wide;
        }
    }
    return {};
}

FaceKinds installedKinds(std::wstring_view face) {
    FaceKinds kinds;
    if (face.size() >= LF_FACESIZE) {
        return kinds;
    }
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    face.copy(query.lfFaceName, face.size());
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &query, noteKind, reinterpret_cast<LPARAM>(&kinds), 0);
    ReleaseDC(nullptr, screen);
    return kinds;
}

FontObject createFont(const FontSpec& wanted, int dpi) {
    LOGFONTW font{};
    font.lfHeight = -pointsToPixels(wanted.pointSize, dpi);
    font.lfWeight = wanted.weight;
    font.lfCharSet = wanted.characterSet != 0 ? wanted.characterSet : DEFAULT_CHARSET;
    // Away from the design's density only outlines will do, even for a face with bitmaps too.
    font.lfOutPrecision = dpi == kDesignDpi ? static_cast<BYTE>(OUT_DEFAULT_PRECIS)
                                            : static_cast<BYTE>(OUT_OUTLINE_PRECIS);
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = CLEARTYPE_QUALITY;
    font.lfPitchAndFamily = wanted.fallback == GenericFamily::Monospace
                                ? static_cast<BYTE>(FIXED_PITCH | FF_MODERN)
                                : static_cast<BYTE>(VARIABLE_PITCH | FF_SWISS);
    const std::wstring face = chooseFace(wanted, dpi, installedKinds);
    std::wcsncpy(font.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    FontObject created(CreateFontIndirectW(&font));
    if (!created) {
        throw std::runtime_error("Windows made no font for the window");
    }
    return created;
}

} // namespace zerapol
