// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#include "window/win32/font_choice.h"

#include "window/win32/wide_text.h"

#include <cwchar>
#include <stdexcept>
#include <string>

namespace zerapol {
namespace {

int CALLBACK noteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool isInstalled(const std::wstring& face) {
    if (face.size() >= LF_FACESIZE) {
        return false;
    }
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    std::wcsncpy(query.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &query, noteFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

} // namespace

FontObject createFont(const FontSpec& wanted, int dpi) {
    LOGFONTW font{};
    font.lfHeight = -pointsToPixels(wanted.pointSize, dpi);
    font.lfWeight = wanted.weight;
    font.lfCharSet = wanted.characterSet != 0 ? wanted.characterSet : DEFAULT_CHARSET;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = CLEARTYPE_QUALITY;
    font.lfPitchAndFamily = wanted.fallback == GenericFamily::Monospace
                                ? static_cast<BYTE>(FIXED_PITCH | FF_MODERN)
                                : static_cast<BYTE>(VARIABLE_PITCH | FF_SWISS);
    // With no face named, the font mapper picks one by pitch and family.
    for (const std::string_view face : wanted.families) {
        const std::wstring wide = toWide(face);
        if (isInstalled(wide)) {
            std::wcsncpy(font.lfFaceName, wide.c_str(), LF_FACESIZE - 1);
            break;
        }
    }
    FontObject created(CreateFontIndirectW(&font));
    if (!created) {
        throw std::runtime_error("Windows made no font for the window");
    }
    return created;
}

} // namespace zerapol
