// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
// Which face each of the window's fonts takes at each density, from what is installed and how:
// with the faces every Windows 10 and 11 has, with Wine's, and with none; and that the texts
// still fit their controls in the faces taken here.
#include "window/form_description.h"
#include "window/win32/font_choice.h"

#include <array>
#include <gtest/gtest.h>
#include <map>
#include <string>

namespace {

using zerapol::FaceKinds;
using zerapol::FontSpec;

constexpr FaceKinds kRaster{true, false};
constexpr FaceKinds kOutline{false, true};

// Windows 10 and 11 as documented: the design's two faces are bitmap fonts (sserife.fon,
// coure.fon); their twins and Arial are TrueType.
const std::map<std::wstring, FaceKinds> kWindowsFaces{
    {L"MS Sans Serif", kRaster}, {L"Microsoft Sans Serif", kOutline},
    {L"Courier", kRaster},       {L"Courier New", kOutline},
    {L"Arial", kOutline},
};
// Wine ships outline versions of both design faces.
const std::map<std::wstring, FaceKinds> kWineFaces{
    {L"MS Sans Serif", kOutline}, {L"Courier", kOutline}, {L"Courier New", kOutline}};

zerapol::FaceLookup lookupIn(const std::map<std::wstring, FaceKinds>& faces) {
    return [&faces](std::wstring_view face) {
        const auto found = faces.find(std::wstring(face));
        return found == faces.end() ? FaceKinds{} : found->second;
    };
}

const FontSpec& fontOf(const char* control) {
    const zerapol::ControlSpec* design = nullptr;
    for (const zerapol::ControlSpec& candidate : zerapol::formControls()) {
        if (candidate.name == control) {
            design = &candidate;
        }
    }
    return design != nullptr && design->font != nullptr ? *design->font : *zerapol::formSpec().font;
}

struct Choice {
    const char* control; // whose font
    int dpi;
    const wchar_t* onWindows;
};

constexpr std::array<Choice, 12> kChoices{{
    {"Combo1", 96, L"MS Sans Serif"},
    {"Command1", 96, L"MS Sans Serif"},
    {"Label1", 96, L"Courier"},
    {"Combo1", 120, L"Microsoft Sans Serif"},
    {"Command1", 120, L"Microsoft Sans Serif"},
    {"Label1", 120, L"Courier New"},
    {"Combo1", 144, L"Microsoft Sans Serif"},
    {"Command1", 144, L"Microsoft Sans Serif"},
    {"Label1", 144, L"Courier New"},
    {"Combo1", 192, L"Microsoft Sans Serif"},
    {"Command1", 192, L"Microsoft Sans Serif"},
    {"Label1", 192, L"Courier New"},
}};

TEST(ChooseFace, OnWindowsTakesTheDesignsBitmapFacesAt96DpiAndTheirOutlineTwinsElsewhere) {
    for (const Choice& choice : kChoices) {
        SCOPED_TRACE(::testing::Message() << choice.control << " at " << choice.dpi << " dpi");
        EXPECT_EQ(zerapol::chooseFace(fontOf(choice.control), choice.dpi, lookupIn(kWindowsFaces)),
                  choice.onWindows);
    }
}

TEST(ChooseFace, TakesTheDesignFacesAtEveryDensityWhereTheyAreOutlines) {
    for (const int dpi : {96, 120, 144, 192}) {
        SCOPED_TRACE(dpi);
        EXPECT_EQ(zerapol::chooseFace(fontOf("Combo1"), dpi, lookupIn(kWineFaces)),
                  L"MS Sans Serif");
        EXPECT_EQ(zerapol::chooseFace(fontOf("Label1"), dpi, lookupIn(kWineFaces)), L"Courier");
    }
}

TEST(ChooseFace, LeavesTheChoiceToTheFontMapperWhereNoFaceFits) {
    const std::map<std::wstring, FaceKinds> none;
    const std::map<std::wstring, FaceKinds> bitmapsOnly{{L"MS Sans Serif", kRaster},
                                                        {L"Courier", kRaster}};
    EXPECT_EQ(zerapol::chooseFace(fontOf("Combo1"), 96, lookupIn(none)), L"");
    EXPECT_EQ(zerapol::chooseFace(fontOf("Combo1"), 144, lookupIn(bitmapsOnly)), L"");
    EXPECT_EQ(zerapol::chooseFace(fontOf("Label1"), 120, lookupIn(bitmapsOnly)), L"");
    EXPECT_EQ(zerapol::chooseFace(fontOf("Label1"), 96, lookupIn(bitmapsOnly)), L"Courier");
}

struct Fit {
    const char* control;
    const wchar_t* text;
    int roomTwips; // the control's width, less what its frame and arrow take
};

TEST(CreateFont, TheLongestTextsFitTheirControlsAtEveryDensity) {
    // A selector's field is its width less the arrow (one scroll bar wide) and the edges.
    constexpr std::array<Fit, 3> fits{{
        {"Combo1", L"Izaberite boju", 1335},
        {"Label2", L"0,000,000", 1935},
        {"Label3", L"0.25%", 975},
    }};
    HDC screen = GetDC(nullptr);
    for (const int dpi : {96, 120, 144, 192}) {
        for (const Fit& fit : fits) {
            SCOPED_TRACE(::testing::Message() << fit.control << " at " << dpi << " dpi");
            zerapol::FontObject font = zerapol::createFont(fontOf(fit.control), dpi);
            HGDIOBJ previous = SelectObject(screen, font.get());
            SIZE extent{};
            GetTextExtentPoint32W(screen, fit.text, static_cast<int>(std::wcslen(fit.text)),
                                  &extent);
            TEXTMETRICW metrics{};
            GetTextMetricsW(screen, &metrics);
            SelectObject(screen, previous);
            int room = zerapol::twipsToPixels(fit.roomTwips, dpi);
            if (std::string_view(fit.control).starts_with("Combo")) {
                room -= GetSystemMetricsForDpi(SM_CXVSCROLL, static_cast<UINT>(dpi)) +
                        MulDiv(6, dpi, zerapol::kDesignDpi);
            }
            EXPECT_LE(extent.cx, room);
            if (dpi != zerapol::kDesignDpi) {
                EXPECT_NE(metrics.tmPitchAndFamily & (TMPF_TRUETYPE | TMPF_VECTOR), 0)
                    << "a bitmap font";
            }
        }
    }
    ReleaseDC(nullptr, screen);
}

} // namespace
