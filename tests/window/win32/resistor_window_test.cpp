// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
// The native Windows Form1 against its design: every control in its place at the window's
// density, its lists and texts, its tab order, and the band logic painting through it.
#include "bands/evaluate.h"
#include "tests/support/expected_band_tables.h"
#include "window/win32/control_ids.h"
#include "window/win32/resistor_window.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using zerapol::ControlError;
using zerapol::ResistorWindow;

struct Twips {
    const char* name;
    int left, top, width, height;
};

// The design's controls, written out in twips (1440 to the inch).
constexpr std::array<Twips, 18> kDesign{{
    {"Command1", 3120, 1200, 1455, 495},
    {"Picture5", 5280, 2280, 495, 1215},
    {"Picture4", 4440, 2280, 495, 1215},
    {"Picture3", 3600, 2280, 495, 1215},
    {"Picture1", 1920, 2280, 495, 1215},
    {"Combo5", 6480, 600, 1335, 315},
    {"Combo4", 4920, 600, 1335, 315},
    {"Combo3", 3360, 600, 1335, 315},
    {"Combo2", 1800, 600, 1335, 315},
    {"Combo1", 240, 600, 1335, 315},
    {"Picture2", 2760, 2280, 495, 1215},
    {"Label7", 2520, 4200, 375, 375},
    {"Label6", 2160, 4200, 375, 375},
    {"Label5", 5040, 3840, 975, 255},
    {"Label4", 3360, 3840, 1215, 255},
    {"Label3", 5040, 4200, 975, 375},
    {"Label2", 3000, 4200, 1935, 375},
    {"Label1", 1800, 4200, 375, 375},
}};

// The frames around the readouts, the resistor's body, and its leads (4 pixels wide at 96 dpi,
// along y = 2880 twips), which the form draws.
constexpr std::array<Twips, 3> kFrames{{
    {"Shape2", 1800, 4200, 1095, 375},
    {"Shape3", 3000, 4200, 1935, 375},
    {"Shape4", 5040, 4200, 975, 375},
}};
constexpr Twips kBody{"Shape1", 1680, 2280, 4335, 1215};
// From the body's left, halfway between the first two bands, where nothing covers its edges.
constexpr int kBetweenFirstBands = (1920 + 495 + 2760) / 2 - 1680;
constexpr std::array<Twips, 2> kLeads{{
    {"Line1", 1080, 2880, 600, 0},
    {"Line8", 6000, 2880, 480, 0},
}};

const std::vector<std::wstring> kDigits{L"Crna", L"Braon",  L"Crvena", L"Narandzasta",
                                        L"Zuta", L"Zelena", L"Plava",  L"Ljubicasta",
                                        L"Siva", L"Bela"};
const std::vector<std::wstring> kMultipliers{L"Crna",   L"Braon",  L"Crvena", L"Narandzasta",
                                             L"Zuta",   L"Zelena", L"Plava",  L"Ljubicasta",
                                             L"Zlatna", L"Srebrna"};
const std::vector<std::wstring> kTolerances{L"Braon",      L"Crvena", L"Zelena", L"Plava",
                                            L"Ljubicasta", L"Siva",   L"Zlatna", L"Srebrna"};

struct Band {
    const char* selector;
    const char* swatch;
    const char* readout;
};
constexpr std::array<Band, 5> kBands{{
    {"Combo1", "Picture1", "Label1"},
    {"Combo2", "Picture2", "Label6"},
    {"Combo3", "Picture3", "Label7"},
    {"Combo4", "Picture4", "Label2"},
    {"Combo5", "Picture5", "Label3"},
}};

constexpr COLORREF kBackground = RGB(0xD4, 0xD0, 0xC8);

void pumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

std::wstring textOf(HWND control) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

/// The colour on the screen at a point of a rectangle on it: dx and dy count from its left and
/// top edges, or from its right and bottom ones when negative (-1 is the last column or row).
COLORREF pixelOf(const RECT& place, int dx, int dy) {
    const int x = dx >= 0 ? place.left + dx : place.right + dx;
    const int y = dy >= 0 ? place.top + dy : place.bottom + dy;
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return colour;
}

class ResistorWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_window = std::make_unique<ResistorWindow>(GetModuleHandleW(nullptr));
        ShowWindow(form(), SW_SHOW);
        UpdateWindow(form());
        pumpMessages();
    }

    HWND form() const { return m_window->handle(); }
    HWND control(const char* name) const { return GetDlgItem(form(), zerapol::controlId(name)); }
    int dpi() const { return static_cast<int>(GetDpiForWindow(form())); }

    void setSelector(int band, const wchar_t* text) {
        SetWindowTextW(control(kBands.at(static_cast<std::size_t>(band - 1)).selector), text);
    }

    std::wstring readout(int band) const {
        return textOf(control(kBands.at(static_cast<std::size_t>(band - 1)).readout));
    }

    /// Where a rectangle of the design stands on the screen, at the window's density or another.
    RECT onScreen(const Twips& design, int density = 0) const {
        const double scale = (density != 0 ? density : dpi()) / 1440.0;
        const auto pixels = [&](int twips) {
            return static_cast<int>(std::lround(twips * scale));
        };
        POINT origin{0, 0};
        ClientToScreen(form(), &origin);
        const int left = origin.x + pixels(design.left);
        const int top = origin.y + pixels(design.top);
        return {left, top, left + pixels(design.width), top + pixels(design.height)};
    }

    /// The colour on the screen at the middle of the band's swatch.
    COLORREF swatchPixel(int band) {
        UpdateWindow(form());
        pumpMessages();
        RECT place;
        GetWindowRect(control(kBands.at(static_cast<std::size_t>(band - 1)).swatch), &place);
        HDC screen = GetDC(nullptr);
        const COLORREF colour =
            GetPixel(screen, (place.left + place.right) / 2, (place.top + place.bottom) / 2);
        ReleaseDC(nullptr, screen);
        return colour;
    }

    std::unique_ptr<ResistorWindow> m_window;
};

TEST_F(ResistorWindowTest, ClientAreaAndEveryControlStandWhereTheDesignPutsThem) {
    const double scale = dpi() / 1440.0;
    RECT client;
    GetClientRect(form(), &client);
    EXPECT_NEAR(client.right, 7995 * scale, 1.0);
    EXPECT_NEAR(client.bottom, 5235 * scale, 1.0);
    for (const Twips& design : kDesign) {
        SCOPED_TRACE(design.name);
        HWND found = control(design.name);
        ASSERT_NE(found, nullptr);
        EXPECT_TRUE(IsWindowVisible(found));
        RECT place;
        GetWindowRect(found, &place);
        MapWindowPoints(HWND_DESKTOP, form(), reinterpret_cast<POINT*>(&place), 2);
        EXPECT_NEAR(place.left, design.left * scale, 1.0);
        EXPECT_NEAR(place.top, design.top * scale, 1.0);
        EXPECT_NEAR(place.right - place.left, design.width * scale, 1.0);
        EXPECT_NEAR(place.bottom - place.top, design.height * scale, 1.0);
    }
}

TEST_F(ResistorWindowTest, MovedToADenserMonitorItLaysEveryControlOutAgain) {
    // What Windows sends when the window is dragged to a monitor at 150 %.
    constexpr int denser = 144;
    RECT suggested;
    GetWindowRect(form(), &suggested);
    suggested.right = suggested.left + (suggested.right - suggested.left) * 3 / 2;
    suggested.bottom = suggested.top + (suggested.bottom - suggested.top) * 3 / 2;
    SendMessageW(form(), WM_DPICHANGED, MAKEWPARAM(denser, denser),
                 reinterpret_cast<LPARAM>(&suggested));
    pumpMessages();
    const double scale = denser / 1440.0;
    for (const Twips& design : kDesign) {
        SCOPED_TRACE(design.name);
        RECT place;
        GetWindowRect(control(design.name), &place);
        MapWindowPoints(HWND_DESKTOP, form(), reinterpret_cast<POINT*>(&place), 2);
        EXPECT_NEAR(place.left, design.left * scale, 1.0);
        EXPECT_NEAR(place.top, design.top * scale, 1.0);
        EXPECT_NEAR(place.right - place.left, design.width * scale, 1.0);
        EXPECT_NEAR(place.bottom - place.top, design.height * scale, 1.0);
    }
    // Every text is drawn from outlines: a bitmap face would be scaled blocky, or swapped for
    // another size.
    HDC screen = GetDC(nullptr);
    for (const char* text : {"Command1", "Combo1", "Combo2", "Combo3", "Combo4", "Combo5", "Label1",
                             "Label2", "Label3", "Label4", "Label5", "Label6", "Label7"}) {
        SCOPED_TRACE(text);
        auto* font = reinterpret_cast<HFONT>(SendMessageW(control(text), WM_GETFONT, 0, 0));
        ASSERT_NE(font, nullptr);
        HGDIOBJ previous = SelectObject(screen, font);
        TEXTMETRICW metrics{};
        GetTextMetricsW(screen, &metrics);
        SelectObject(screen, previous);
        EXPECT_NE(metrics.tmPitchAndFamily & (TMPF_TRUETYPE | TMPF_VECTOR), 0) << "a bitmap font";
    }
    ReleaseDC(nullptr, screen);
    // Each open list still has room for every row.
    for (const Band& band : kBands) {
        SCOPED_TRACE(band.selector);
        HWND selector = control(band.selector);
        RECT dropped;
        SendMessageW(selector, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
        const auto rows = static_cast<int>(SendMessageW(selector, CB_GETCOUNT, 0, 0));
        const auto row = static_cast<int>(SendMessageW(selector, CB_GETITEMHEIGHT, 0, 0));
        EXPECT_GE(dropped.bottom - dropped.top, MulDiv(315, denser, 1440) + rows * row);
    }
    // The form draws its outlines at the new density too: the body's edges between the first two
    // bands, and each frame's left edge.
    UpdateWindow(form());
    pumpMessages();
    const RECT body = onScreen(kBody, denser);
    const int betweenBands = MulDiv(kBetweenFirstBands, denser, 1440);
    EXPECT_EQ(pixelOf(body, betweenBands, 0), RGB(0, 0, 0)) << "body, top";
    EXPECT_EQ(pixelOf(body, betweenBands, -1), RGB(0, 0, 0)) << "body, bottom";
    for (const Twips& frame : kFrames) {
        const RECT place = onScreen(frame, denser);
        EXPECT_EQ(pixelOf(place, 0, (place.bottom - place.top) / 2), RGB(0, 0, 0)) << frame.name;
    }
}

TEST_F(ResistorWindowTest, ResizingOrMaximisingMovesNothing) {
    std::vector<RECT> before;
    for (const Twips& design : kDesign) {
        RECT place;
        GetWindowRect(control(design.name), &place);
        MapWindowPoints(HWND_DESKTOP, form(), reinterpret_cast<POINT*>(&place), 2);
        before.push_back(place);
    }
    for (const int show : {SW_MAXIMIZE, SW_RESTORE}) {
        ShowWindow(form(), show);
        SetWindowPos(form(), nullptr, 0, 0, 900, 700, SWP_NOMOVE | SWP_NOZORDER);
        pumpMessages();
        for (std::size_t i = 0; i < kDesign.size(); ++i) {
            SCOPED_TRACE(kDesign[i].name);
            RECT place;
            GetWindowRect(control(kDesign[i].name), &place);
            MapWindowPoints(HWND_DESKTOP, form(), reinterpret_cast<POINT*>(&place), 2);
            EXPECT_TRUE(EqualRect(&place, &before[i]));
        }
    }
}

TEST_F(ResistorWindowTest, TitleSelectorsAndReadoutsStartInTheirInitialLook) {
    EXPECT_EQ(textOf(form()), L"Izracunavanje vrednosti otpornika v.1.0 by Vemitrak");
    EXPECT_EQ(textOf(control("Command1")), L"U redu");
    EXPECT_EQ(textOf(control("Label4")), L"Broj nula");
    EXPECT_EQ(textOf(control("Label5")), L"Tolerancija");
    for (int band = 1; band <= 5; ++band) {
        SCOPED_TRACE(band);
        EXPECT_EQ(textOf(control(kBands[static_cast<std::size_t>(band - 1)].selector)),
                  L"Izaberite boju");
        EXPECT_EQ(readout(band), L"");
        EXPECT_EQ(swatchPixel(band), kBackground);
    }
}

TEST_F(ResistorWindowTest, EveryRowOfEachSelectorsFieldIsPainted) {
    swatchPixel(1); // paints the window
    for (const Band& band : kBands) {
        SCOPED_TRACE(band.selector);
        HWND selector = control(band.selector);
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        ASSERT_TRUE(GetComboBoxInfo(selector, &info));
        RECT field = info.rcItem;
        MapWindowPoints(selector, HWND_DESKTOP, reinterpret_cast<POINT*>(&field), 2);
        // The field is white between and around the letters of its text: a row with no white in
        // it is one nothing painted.
        HDC screen = GetDC(nullptr);
        for (int y = field.top; y < field.bottom; ++y) {
            bool white = false;
            for (int x = field.left; x < field.right && !white; ++x) {
                white = GetPixel(screen, x, y) == RGB(255, 255, 255);
            }
            EXPECT_TRUE(white) << "row " << y - field.top << " of the field";
        }
        ReleaseDC(nullptr, screen);
    }
}

TEST_F(ResistorWindowTest, SelectorsOfferTheirBandsColoursInRowOrder) {
    const std::array<const std::vector<std::wstring>*, 5> lists{&kDigits, &kDigits, &kDigits,
                                                                &kMultipliers, &kTolerances};
    for (std::size_t band = 0; band < 5; ++band) {
        SCOPED_TRACE(kBands[band].selector);
        HWND selector = control(kBands[band].selector);
        std::vector<std::wstring> items;
        const auto count = SendMessageW(selector, CB_GETCOUNT, 0, 0);
        for (int i = 0; i < count; ++i) {
            wchar_t item[64]{};
            SendMessageW(selector, CB_GETLBTEXT, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(item));
            items.emplace_back(item);
        }
        EXPECT_EQ(items, *lists[band]);
        // Editable, and no list sorted by Windows.
        const auto style = static_cast<DWORD>(GetWindowLongPtrW(selector, GWL_STYLE));
        EXPECT_EQ(style & 3u, static_cast<DWORD>(CBS_DROPDOWN));
        EXPECT_EQ(style & CBS_SORT, 0u);
    }
}

TEST_F(ResistorWindowTest, OpenListShowsEachColoursChipInRowOrder) {
    const COLORREF edge = RGB(0x40, 0x40, 0x40);
    for (const int band : {1, 4, 5}) {
        SCOPED_TRACE(band);
        HWND selector = control(kBands[static_cast<std::size_t>(band - 1)].selector);
        SendMessageW(selector, CB_SHOWDROPDOWN, TRUE, 0);
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        ASSERT_TRUE(GetComboBoxInfo(selector, &info));
        UpdateWindow(info.hwndList);
        pumpMessages();
        HDC screen = GetDC(nullptr);
        const auto& expected = zerapol::testing::expectedFor(band);
        for (std::size_t row = 0; row < expected.size(); ++row) {
            SCOPED_TRACE(expected[row].name);
            RECT item;
            SendMessageW(info.hwndList, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&item));
            MapWindowPoints(info.hwndList, HWND_DESKTOP, reinterpret_cast<POINT*>(&item), 2);
            // Along the middle of the row from its left: the chip's dark edge, its colour
            // inside, the dark edge again.
            const int y = (item.top + item.bottom) / 2;
            int x = item.left;
            while (x < item.left + 40 && GetPixel(screen, x, y) != edge) {
                ++x;
            }
            ASSERT_LT(x, item.left + 40) << "no chip";
            const int left = x;
            while (GetPixel(screen, x, y) == edge) {
                ++x;
            }
            const COLORREF colour = expected[row].word;
            EXPECT_EQ(GetPixel(screen, x, y), colour);
            while (GetPixel(screen, x, y) == colour) {
                ++x;
            }
            EXPECT_EQ(GetPixel(screen, x, y), edge);
            EXPECT_GE(x - left, 6);
        }
        ReleaseDC(nullptr, screen);
        SendMessageW(selector, CB_SHOWDROPDOWN, FALSE, 0);
        pumpMessages();
    }
}

TEST_F(ResistorWindowTest, PickingFromTheListPutsExactlyTheName) {
    HWND selector = control("Combo5");
    SendMessageW(selector, CB_SETCURSEL, 6, 0);
    EXPECT_EQ(textOf(selector), L"Zlatna");
    EXPECT_EQ(m_window->selectorText(5), "Zlatna");
}

TEST_F(ResistorWindowTest, TabMovesThroughTheSelectorsThenTheButtonAndAround) {
    const std::vector<std::string> expected{"Combo2", "Combo3",   "Combo4",
                                            "Combo5", "Command1", "Combo1"};
    std::vector<std::string> seen;
    HWND at = control("Combo1");
    for (std::size_t i = 0; i < expected.size(); ++i) {
        at = GetNextDlgTabItem(form(), at, FALSE);
        const zerapol::ControlSpec* design = zerapol::controlOfId(GetDlgCtrlID(at));
        seen.emplace_back(design ? std::string(design->name) : "?");
    }
    EXPECT_EQ(seen, expected);
}

TEST_F(ResistorWindowTest, APressPaintsTheNamedBandsAndLeavesTheOthers) {
    setSelector(1, L"Crvena");
    setSelector(2, L"Ljubicasta");
    setSelector(3, L"crna");
    setSelector(4, L"Crna");
    setSelector(5, L"Zlatna");
    zerapol::evaluateBands(*m_window);

    EXPECT_EQ(swatchPixel(1), RGB(255, 0, 0));
    EXPECT_EQ(swatchPixel(2), RGB(192, 0, 192));
    EXPECT_EQ(swatchPixel(3), kBackground);
    EXPECT_EQ(swatchPixel(4), RGB(0, 0, 0));
    EXPECT_EQ(swatchPixel(5), RGB(211, 193, 67));
    EXPECT_EQ(readout(1), L"2");
    EXPECT_EQ(readout(2), L"7");
    EXPECT_EQ(readout(3), L"");
    EXPECT_EQ(readout(4), L"");
    EXPECT_EQ(readout(5), L"5%");
    EXPECT_EQ(m_window->selectorText(3), "crna");
}

TEST_F(ResistorWindowTest, APaintedBandKeepsADarkEdge) {
    // White is the band that would vanish into a light window without its edge.
    setSelector(1, L"Bela");
    zerapol::evaluateBands(*m_window);
    swatchPixel(1); // paints the window
    RECT place;
    GetWindowRect(control("Picture1"), &place);
    const int middle = (place.top + place.bottom) / 2;
    HDC screen = GetDC(nullptr);
    const COLORREF edge = RGB(0x40, 0x40, 0x40);
    EXPECT_EQ(GetPixel(screen, place.left, middle), edge);
    EXPECT_EQ(GetPixel(screen, place.right - 1, middle), edge);
    EXPECT_EQ(GetPixel(screen, place.left + 1, middle), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(screen, place.right - 2, middle), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(screen, place.left - 1, middle), kBackground);
    EXPECT_EQ(GetPixel(screen, place.right, middle), kBackground);
    ReleaseDC(nullptr, screen);
}

TEST_F(ResistorWindowTest, ReadoutFramesStayOnTopOfTheReadoutsAfterAPress) {
    // Every readout gets a text, so every one of them is painted again.
    const std::array<const wchar_t*, 5> names{L"Crvena", L"Ljubicasta", L"Crna", L"Zuta",
                                              L"Zlatna"};
    for (int band = 1; band <= 5; ++band) {
        setSelector(band, names.at(static_cast<std::size_t>(band - 1)));
    }
    zerapol::evaluateBands(*m_window);
    swatchPixel(1); // paints the window
    const COLORREF black = RGB(0, 0, 0);
    for (const Twips& frame : kFrames) {
        SCOPED_TRACE(frame.name);
        const RECT place = onScreen(frame);
        const int halfWidth = (place.right - place.left) / 2;
        const int halfHeight = (place.bottom - place.top) / 2;
        EXPECT_EQ(pixelOf(place, 0, halfHeight), black) << "left edge";
        EXPECT_EQ(pixelOf(place, -1, halfHeight), black) << "right edge";
        EXPECT_EQ(pixelOf(place, halfWidth, 0), black) << "top edge";
        EXPECT_EQ(pixelOf(place, halfWidth, -1), black) << "bottom edge";
        // One pixel wide: inside it is the readout's grey, below it the window's.
        EXPECT_EQ(pixelOf(place, 1, halfHeight), kBackground) << "inside";
        EXPECT_EQ(pixelOf(place, halfWidth, place.bottom - place.top), kBackground) << "below";
    }
}

TEST_F(ResistorWindowTest, TheBodyHasRoundedCornersAndPassesOverTheBands) {
    // A painted band, so that the body's edge must be drawn over a swatch to show there.
    setSelector(1, L"Bela");
    zerapol::evaluateBands(*m_window);
    swatchPixel(1); // paints the window
    const RECT body = onScreen(kBody);
    for (const auto& [dx, dy] : {std::pair{0, 0}, {-1, 0}, {0, -1}, {-1, -1}}) {
        SCOPED_TRACE(::testing::Message() << "corner " << dx << ", " << dy);
        EXPECT_EQ(pixelOf(body, dx, dy), kBackground);
    }
    // Its edges are there, between the first two bands where nothing covers them...
    const int betweenBands = MulDiv(kBetweenFirstBands, dpi(), 1440);
    EXPECT_EQ(pixelOf(body, betweenBands, 0), RGB(0, 0, 0)) << "top edge";
    EXPECT_EQ(pixelOf(body, betweenBands, -1), RGB(0, 0, 0)) << "bottom edge";
    // ...and across the first band, white, whose swatch lies under them.
    const int acrossBand = MulDiv(1920 + 495 / 2 - 1680, dpi(), 1440);
    for (const int row : {0, 1, 2, -1, -2, -3}) {
        SCOPED_TRACE(::testing::Message() << "row " << row);
        EXPECT_EQ(pixelOf(body, acrossBand, row), RGB(0, 0, 0));
    }
    EXPECT_EQ(pixelOf(body, acrossBand, 3), RGB(255, 255, 255)) << "the band below the edge";
}

TEST_F(ResistorWindowTest, TheLeadsRunFromTheBodyAsWideAsDesigned) {
    swatchPixel(1); // paints the window
    for (const Twips& lead : kLeads) {
        SCOPED_TRACE(lead.name);
        const RECT along = onScreen(lead);
        const int middle = (along.left + along.right) / 2 - along.left;
        // Four pixels at 96 dpi, two on either side of the lead's row.
        const int half = MulDiv(4, dpi(), 96) / 2;
        EXPECT_EQ(pixelOf(along, middle, -half), RGB(0, 0, 0)) << "top row";
        EXPECT_EQ(pixelOf(along, middle, half - 1), RGB(0, 0, 0)) << "bottom row";
        EXPECT_EQ(pixelOf(along, middle, -half - 1), kBackground) << "above";
        EXPECT_EQ(pixelOf(along, middle, half), kBackground) << "below";
    }
}

struct DesignedFont {
    const char* control;
    int points;
    LONG weight;
    bool fixedPitch;
};

TEST_F(ResistorWindowTest, ReadoutsAndTheButtonHaveTheirBoldCentralEuropeanFonts) {
    // Bold Courier, 15 pt, for the readouts; bold "MS Sans Serif", 12 pt, for the button.
    constexpr std::array<DesignedFont, 6> designed{{
        {"Label1", 15, 700, true},
        {"Label6", 15, 700, true},
        {"Label7", 15, 700, true},
        {"Label2", 15, 700, true},
        {"Label3", 15, 700, true},
        {"Command1", 12, 700, false},
    }};
    for (const DesignedFont& wanted : designed) {
        SCOPED_TRACE(wanted.control);
        auto* font =
            reinterpret_cast<HFONT>(SendMessageW(control(wanted.control), WM_GETFONT, 0, 0));
        ASSERT_NE(font, nullptr);
        LOGFONTW described{};
        ASSERT_EQ(GetObjectW(font, sizeof(described), &described), sizeof(described));
        EXPECT_EQ(described.lfWeight, wanted.weight);
        EXPECT_EQ(described.lfCharSet, EASTEUROPE_CHARSET);
        EXPECT_EQ(described.lfHeight, -MulDiv(wanted.points, dpi(), 72));
        EXPECT_EQ((described.lfPitchAndFamily & 3) == FIXED_PITCH, wanted.fixedPitch);
    }
}

struct BrokenControl {
    const char* name;
    bool replacedByPlainStatic;
    int bandsDone;         // bands wholly shown before the failure
    bool failingSwatchSet; // the failing band's swatch was painted
    const char* message;
};

class BrokenControlTest : public ResistorWindowTest,
                          public ::testing::WithParamInterface<BrokenControl> {};

TEST_P(BrokenControlTest, StopsThePressNamingTheControlWithEarlierBandsShown) {
    const BrokenControl& broken = GetParam();
    for (int band = 1; band <= 5; ++band) {
        setSelector(band, L"Crvena");
    }
    HWND victim = control(broken.name);
    ASSERT_NE(victim, nullptr);
    RECT place;
    GetWindowRect(victim, &place);
    MapWindowPoints(HWND_DESKTOP, form(), reinterpret_cast<POINT*>(&place), 2);
    DestroyWindow(victim);
    if (broken.replacedByPlainStatic) {
        CreateWindowExW(
            0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, place.left, place.top,
            place.right - place.left, place.bottom - place.top, form(),
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(zerapol::controlId(broken.name))),
            GetModuleHandleW(nullptr), nullptr);
    }

    try {
        zerapol::evaluateBands(*m_window);
        FAIL() << "the press went through";
    } catch (const ControlError& error) {
        EXPECT_EQ(std::string(error.what()), broken.message);
    }
    for (int band = 1; band <= 5; ++band) {
        SCOPED_TRACE(band);
        if (band <= broken.bandsDone) {
            EXPECT_EQ(readout(band), L"2");
        }
        if (band != broken.bandsDone + 1 || !broken.replacedByPlainStatic) {
            const bool painted = band <= broken.bandsDone ||
                                 (band == broken.bandsDone + 1 && broken.failingSwatchSet);
            EXPECT_EQ(swatchPixel(band), painted ? RGB(255, 0, 0) : kBackground);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    EachKindOfControl, BrokenControlTest,
    ::testing::Values(
        BrokenControl{"Label6", false, 1, true, "control Label6 is missing from the window"},
        BrokenControl{"Combo3", false, 2, false, "control Combo3 is missing from the window"},
        BrokenControl{"Picture4", true, 3, false, "control Picture4 is not a swatch panel"}));

} // namespace
