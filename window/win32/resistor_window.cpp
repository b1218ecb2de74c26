// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#include "window/win32/resistor_window.h"

#include "bands/band_tables.h"
#include "window/band_controls.h"
#include "window/win32/control_ids.h"
#include "window/win32/described_accessible.h"
#include "window/win32/drawn_controls.h"
#include "window/win32/font_choice.h"
#include "window/win32/form_places.h"
#include "window/win32/wide_text.h"
#include "window/win32/window_class.h"
#include "window/window_colours.h"

#include <algorithm>
#include <commctrl.h>
#include <stdexcept>
#include <utility>
#include <vector>

namespace zerapol {
namespace {

constexpr DWORD kFormStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr DWORD kFormExStyle = 0;

const wchar_t* windowClassOf(ControlKind kind) {
    switch (kind) {
    case ControlKind::PushButton:
        return WC_BUTTONW;
    case ControlKind::Selector:
        return WC_COMBOBOXW;
    case ControlKind::ReadoutText:
    case ControlKind::CaptionText:
        return WC_STATICW;
    case ControlKind::SwatchPanel:
        return kSwatchClass;
    case ControlKind::Outline:
    case ControlKind::Line:
        break; // drawn by the form: no window
    }
    return L"";
}

const char* kindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::Selector:
        return "selector";
    case ControlKind::SwatchPanel:
        return "swatch panel";
    case ControlKind::PushButton:
        return "push button";
    default:
        return "text label";
    }
}

DWORD styleOf(const ControlSpec& design) {
    constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    switch (design.kind) {
    case ControlKind::PushButton:
        return kChild | WS_TABSTOP | BS_PUSHBUTTON;
    case ControlKind::Selector:
        // The list is drawn here, to put a chip of its colour before each name; the items keep
        // their strings, so reading and picking them is as for any drop-down.
        return kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL | CBS_HASSTRINGS |
               CBS_OWNERDRAWFIXED;
    case ControlKind::ReadoutText:
    case ControlKind::CaptionText:
        // One line, centred vertically like the Qt labels; "&" is shown, never a mnemonic.
        return kChild | SS_NOPREFIX | SS_CENTERIMAGE |
               (design.alignment == TextAlignment::Centre ? SS_CENTER : SS_LEFT);
    default:
        return kChild;
    }
}

bool isSameClass(HWND control, const wchar_t* expected) {
    wchar_t name[64];
    const int length = GetClassNameW(control, name, 64);
    return length > 0 && CompareStringOrdinal(name, length, expected, -1, TRUE) == CSTR_EQUAL;
}

BandTable tableOfSelector(std::string_view selector) {
    for (const BandControls& band : bandControls()) {
        if (band.selector == selector) {
            return tableForBand(band.band);
        }
    }
    throw std::invalid_argument("selector " + std::string(selector) + " belongs to no band");
}

int heightOf(HWND window) {
    RECT place;
    GetWindowRect(window, &place);
    return place.bottom - place.top;
}

// A drop-down's field is as tall as its font asks, and how much of that is border differs
// between versions of the control (Wine reads back more than it was given): the height asked
// for is corrected until the field measures as the description's. Returns what was asked for,
// the first guess for the next selector of the same height; each guess the control takes makes
// it lay itself out again.
int fitSelectorField(HWND selector, int height, int guess) {
    auto asked = static_cast<int>(SendMessageW(selector, CB_GETITEMHEIGHT, WPARAM(-1), 0));
    if (guess > 0 && guess != asked) {
        asked = guess;
        SendMessageW(selector, CB_SETITEMHEIGHT, WPARAM(-1), asked);
    }
    for (int attempt = 0; attempt < 4; ++attempt) {
        const int error = height - heightOf(selector);
        if (error == 0) {
            break;
        }
        asked = std::max(1, asked + error);
        SendMessageW(selector, CB_SETITEMHEIGHT, WPARAM(-1), asked);
    }
    return asked;
}

// A drop-down puts its field's text at the top of the field, leaving more room below the ink
// than above it at every density: the text line is moved to where the ink of the field's text
// (capitals, ascenders and descenders alike) stands in the middle. Returns where the text line
// starts, for the next selector of the same font and height (negative: not known yet).
int centreFieldText(HWND selector, std::wstring_view sample, int lineTop) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (!GetComboBoxInfo(selector, &info) || info.hwndItem == nullptr) {
        return lineTop;
    }
    HWND edit = info.hwndItem;
    HDC dc = GetDC(edit);
    HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    if (lineTop < 0) {
        // The ink's rows, counted from the top of the text line; a bitmap face answers for no
        // glyph, and its ink is taken to fill the line below its accents' room.
        int inkTop = metrics.tmInternalLeading;
        int inkBottom = metrics.tmHeight;
        const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
        bool measured = false;
        for (const wchar_t letter : sample) {
            GLYPHMETRICS glyph{};
            if (letter == L' ' || GetGlyphOutlineW(dc, letter, GGO_METRICS, &glyph, 0, nullptr,
                                                   &identity) == GDI_ERROR) {
                continue;
            }
            const int top = metrics.tmAscent - glyph.gmptGlyphOrigin.y;
            const int bottom = top + static_cast<int>(glyph.gmBlackBoxY);
            inkTop = measured ? std::min(inkTop, top) : top;
            inkBottom = measured ? std::max(inkBottom, bottom) : bottom;
            measured = true;
        }
        RECT field;
        GetClientRect(selector, &field);
        lineTop = std::max(0, static_cast<int>(field.bottom - (inkBottom - inkTop)) / 2 - inkTop);
    }
    SelectObject(dc, previous);
    ReleaseDC(edit, dc);
    // The edit reaches down to the bottom of the field: the drop-down paints its frame and
    // button but not the field, and rows that no window covers would show whatever was there.
    const RECT& line = info.rcItem;
    MoveWindow(
        edit, line.left, lineTop, line.right - line.left,
        std::max(static_cast<int>(metrics.tmHeight), static_cast<int>(line.bottom) - lineTop),
        FALSE);
    return lineTop;
}

bool hasNoFrame(HWND window) {
    RECT outer;
    RECT inner;
    GetWindowRect(window, &outer);
    GetClientRect(window, &inner);
    return outer.right - outer.left == inner.right && outer.bottom - outer.top == inner.bottom;
}

// A text of the form. Without a frame it has nothing to paint outside its client area, and is
// spared the default painting of it, a round trip to the window server under Wine. Overlaid (an
// outline or line lies on it), it has the form draw those shapes over it whenever it has painted:
// in WM_PAINT it paints to the DC it is given, so the shapes reach the screen with the text; a new
// text it paints at once, outside WM_PAINT, and the shapes follow straight away.
LRESULT CALLBACK formTextProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR subclass, DWORD_PTR overlaid) {
    switch (message) {
    case WM_NCPAINT:
        if (hasNoFrame(control)) {
            return 0;
        }
        break;
    case WM_PAINT: {
        if (overlaid == 0) {
            break;
        }
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(control, &paint);
        DefSubclassProc(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        drawFormShapesOver(control, dc);
        EndPaint(control, &paint);
        return 0;
    }
    case WM_SETTEXT: {
        if (overlaid == 0) {
            break;
        }
        const LRESULT result = DefSubclassProc(control, message, wParam, lParam);
        if (IsWindowVisible(control)) {
            HDC dc = GetDC(control);
            drawFormShapesOver(control, dc);
            ReleaseDC(control, dc);
        }
        return result;
    }
    case WM_NCDESTROY:
        RemoveWindowSubclass(control, formTextProcedure, subclass);
        break;
    default:
        break;
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

} // namespace

ResistorWindow::ResistorWindow(HINSTANCE instance) {
    registerSwatchClass(instance);
    registerWindowClass(instance, kFormClass, windowProcedure);
    const FormSpec& form = formSpec();
    CreateWindowExW(kFormExStyle, kFormClass, toWide(form.title).c_str(), kFormStyle, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, this);
    if (m_window == nullptr) {
        throw std::runtime_error("Windows refused to create the window");
    }
    // Each control is made in its place and font at the window's density: laid out again
    // afterwards, a drop-down would lay itself out once more for every change.
    const int dpi = static_cast<int>(GetDpiForWindow(m_window));
    m_dpi = dpi;
    // Sized before it has children, the form has none to move or clip.
    fitClientArea(dpi);
    m_fonts = fontsAt(dpi);
    createControls(dpi);
}

ResistorWindow::~ResistorWindow() {
    if (m_window != nullptr) {
        DestroyWindow(m_window);
    }
}

void ResistorWindow::onClick(std::string_view button, std::function<void()> handler) {
    control(button, ControlKind::PushButton);
    m_clickHandlers[controlId(button)] = std::move(handler);
}

void ResistorWindow::onError(std::function<void(const std::exception&)> handler) {
    m_errorHandler = std::move(handler);
}

void ResistorWindow::onDestroyed(std::function<void()> handler) {
    m_destroyedHandler = std::move(handler);
}

void ResistorWindow::createControls(int dpi) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(m_window, GWLP_HINSTANCE));
    // A new child window goes to the bottom of its siblings: made in stacking order, the controls
    // need no restacking, which costs a pass over all of them.
    for (const ControlSpec* stacked : stackingOrder()) {
        const ControlSpec& design = *stacked;
        if (isShape(design)) {
            continue;
        }
        const int id = controlId(design.name);
        const RECT place = windowPlaceOf(design, dpi);
        const BandControls* band = bandOfControl(design.name);
        HWND created = nullptr;
        if (design.kind == ControlKind::Selector && band != nullptr) {
            createSelectorLabel(*band, instance);
        }
        if (design.kind == ControlKind::SwatchPanel) {
            created =
                createSwatch(m_window, id, place, design.background.value_or(formSpec().background),
                             band != nullptr ? toWide(swatchName(*band)).c_str() : L"");
        } else {
            created = CreateWindowExW(
                0, windowClassOf(design.kind), toWide(design.text).c_str(), styleOf(design),
                place.left, place.top, place.right - place.left, place.bottom - place.top, m_window,
                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
        }
        if (created == nullptr) {
            throw std::runtime_error("Windows refused to create control " +
                                     std::string(design.name));
        }
        if (design.kind == ControlKind::Selector) {
            for (const ColourRow& row : tableOfSelector(design.name)) {
                SendMessageW(created, CB_ADDSTRING, 0,
                             reinterpret_cast<LPARAM>(toWide(row.name).c_str()));
            }
            SendMessageW(created, CB_SETMINVISIBLE,
                         static_cast<WPARAM>(tableOfSelector(design.name).size()), 0);
            SetWindowTextW(created, toWide(design.text).c_str());
        }
        if (design.kind == ControlKind::ReadoutText && band != nullptr) {
            describeForScreenReaders(created, toWide(band->role));
        }
        // A swatch asks for the shapes over it itself; no selector or button lies under one.
        if (design.kind == ControlKind::ReadoutText || design.kind == ControlKind::CaptionText) {
            const bool overlaid = !shapesAbove(design, dpi).empty();
            SetWindowSubclass(created, formTextProcedure, 0, overlaid ? 1 : 0);
        }
        dress(created, design, dpi);
    }
}

void ResistorWindow::createSelectorLabel(const BandControls& band, HINSTANCE instance) {
    // Windows names a combo box after the static text just above it in the stacking order, the
    // way a dialog's label names its field; hidden, it is heard and not seen. It has no "&", so
    // it gives the selector no access key.
    HWND label = CreateWindowExW(0, WC_STATICW, toWide(selectorLabel(band)).c_str(),
                                 WS_CHILD | SS_NOPREFIX, 0, 0, 0, 0, m_window,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(kUnnamedControlId)),
                                 instance, nullptr);
    if (label == nullptr) {
        throw std::runtime_error("Windows refused to create the label of " +
                                 std::string(band.selector));
    }
}

ResistorWindow::FontSet ResistorWindow::fontsAt(int dpi) {
    FontSet fonts;
    fonts[formSpec().font] = createFont(*formSpec().font, dpi);
    for (const ControlSpec& design : formControls()) {
        if (design.font != nullptr && !fonts.contains(design.font)) {
            fonts[design.font] = createFont(*design.font, dpi);
        }
    }
    return fonts;
}

int ResistorWindow::selectorContentHeight(const ControlSpec& design, int dpi) {
    // A drop-down's field and its open list with every row, inside the list's edges.
    const int rows = static_cast<int>(tableOfSelector(design.name).size());
    return twipsToPixels(design.bounds.height, dpi) + rows * listItemHeight(dpi) + 2;
}

RECT ResistorWindow::windowPlaceOf(const ControlSpec& design, int dpi) const {
    RECT place = placeOf(design, dpi);
    // A drop-down's window is its field and the room its list opens into together.
    if (design.kind == ControlKind::Selector) {
        place.bottom = place.top + selectorContentHeight(design, dpi) + m_listRoomExtra;
    }
    return place;
}

void ResistorWindow::dress(HWND control, const ControlSpec& design, int dpi) {
    SendMessageW(
        control, WM_SETFONT,
        reinterpret_cast<WPARAM>(m_fonts.at(design.font ? design.font : formSpec().font).get()),
        FALSE);
    if (design.kind == ControlKind::Selector) {
        // A new selector measured its rows at this density when it was made (WM_MEASUREITEM).
        if (SendMessageW(control, CB_GETITEMHEIGHT, 0, 0) != listItemHeight(dpi)) {
            SendMessageW(control, CB_SETITEMHEIGHT, 0, listItemHeight(dpi));
        }
        const int field = twipsToPixels(design.bounds.height, dpi);
        m_fieldItemHeight = fitSelectorField(control, field, m_fieldItemHeight);
        // A drop-down's open list gets the room its window had below the field when it last
        // took a size; sized before it had its font and field, it can have too little for every
        // row. What it lacked is given to it, and to each selector made after it.
        for (int attempt = 0; attempt < 3; ++attempt) {
            RECT dropped;
            SendMessageW(control, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
            const int shortfall =
                selectorContentHeight(design, dpi) - (dropped.bottom - dropped.top);
            if (shortfall <= 0) {
                break;
            }
            m_listRoomExtra += shortfall;
            const RECT place = windowPlaceOf(design, dpi);
            SetWindowPos(control, nullptr, 0, 0, place.right - place.left, place.bottom - place.top,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        m_fieldTextTop = centreFieldText(control, toWide(design.text), m_fieldTextTop);
    }
}

void ResistorWindow::drawShapesAbove(HDC dc, HWND control) {
    const ControlSpec* design = controlOfId(GetDlgCtrlID(control));
    if (design == nullptr) {
        return;
    }
    const RECT place = placeOf(*design, m_dpi);
    // Bottom first, as the form stacks them.
    const std::vector<const ControlSpec*> above = shapesAbove(*design, m_dpi);
    for (auto shape = above.rbegin(); shape != above.rend(); ++shape) {
        RECT at = placeOf(**shape, m_dpi);
        OffsetRect(&at, -place.left, -place.top);
        drawShape(dc, **shape, at, m_dpi);
    }
}

void ResistorWindow::paintShapes() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_window, &paint);
    const std::vector<const ControlSpec*>& order = stackingOrder();
    for (auto design = order.rbegin(); design != order.rend(); ++design) {
        if (isShape(**design)) {
            drawShape(dc, **design, placeOf(**design, m_dpi), m_dpi);
        }
    }
    EndPaint(m_window, &paint);
}

void ResistorWindow::layOut(int dpi) {
    // The fonts of the new density; the old ones stay alive until every control has let go.
    FontSet previous = std::exchange(m_fonts, fontsAt(dpi));
    m_dpi = dpi;
    m_fieldItemHeight = 0;
    m_listRoomExtra = 0;
    m_fieldTextTop = -1;
    for (const ControlSpec& design : formControls()) {
        HWND control = GetDlgItem(m_window, controlId(design.name));
        if (control == nullptr) {
            continue;
        }
        const RECT place = windowPlaceOf(design, dpi);
        MoveWindow(control, place.left, place.top, place.right - place.left,
                   place.bottom - place.top, FALSE);
        dress(control, design, dpi);
    }
    // Every control is repainted, and with it the shapes drawn over it.
    RedrawWindow(m_window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void ResistorWindow::fitClientArea(int dpi) {
    const FormSpec& form = formSpec();
    RECT frame{0, 0, twipsToPixels(form.clientWidth, dpi), twipsToPixels(form.clientHeight, dpi)};
    AdjustWindowRectExForDpi(&frame, kFormStyle, FALSE, kFormExStyle, static_cast<UINT>(dpi));
    SetWindowPos(m_window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND ResistorWindow::control(std::string_view name, ControlKind kind) const {
    HWND found = GetDlgItem(m_window, controlId(name));
    if (found == nullptr) {
        throw ControlError("control " + std::string(name) + " is missing from the window");
    }
    if (!isSameClass(found, windowClassOf(kind))) {
        throw ControlError("control " + std::string(name) + " is not a " + kindName(kind));
    }
    return found;
}

std::string ResistorWindow::selectorText(int band) {
    HWND selector = control(controlsOfBand(band).selector, ControlKind::Selector);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(selector)) + 1, L'\0');
    const int length = GetWindowTextW(selector, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(std::max(0, length)));
    return toUtf8(text);
}

void ResistorWindow::setSwatchColour(int band, Colour colour) {
    paintSwatch(control(controlsOfBand(band).swatch, ControlKind::SwatchPanel), colour);
}

void ResistorWindow::setReadoutText(int band, std::string_view text) {
    const std::string_view name = controlsOfBand(band).readout;
    if (!SetWindowTextW(control(name, ControlKind::ReadoutText), toWide(text).c_str())) {
        throw ControlError("control " + std::string(name) + " did not take its text");
    }
}

void ResistorWindow::drawListItem(const DRAWITEMSTRUCT& item) {
    const ControlSpec* design = controlOfId(static_cast<int>(item.CtlID));
    if (design == nullptr || design->kind != ControlKind::Selector) {
        return;
    }
    const bool chosen = (item.itemState & ODS_SELECTED) != 0;
    FillRect(item.hDC, &item.rcItem, brushOf(chosen ? kHighlightColour : kFieldColour));
    const BandTable rows = tableOfSelector(design->name);
    if (item.itemID >= rows.size()) {
        return;
    }
    const ColourRow& row = rows[item.itemID];
    const int height = item.rcItem.bottom - item.rcItem.top;
    const int chip = std::max(4, height - 4);
    const int gap = (height - chip) / 2;
    const RECT square{item.rcItem.left + gap + 1, item.rcItem.top + gap,
                      item.rcItem.left + gap + 1 + chip, item.rcItem.top + gap + chip};
    FillRect(item.hDC, &square, brushOf(row.swatch));
    FrameRect(item.hDC, &square, brushOf(kSwatchEdgeColour));
    RECT text = item.rcItem;
    text.left = square.right + 2 * gap + 2;
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, toColorRef(chosen ? kHighlightedTextColour : kFieldTextColour));
    DrawTextW(item.hDC, toWide(row.name).c_str(), -1, &text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if ((item.itemState & ODS_FOCUS) != 0) {
        DrawFocusRect(item.hDC, &item.rcItem);
    }
}

int ResistorWindow::listItemHeight(int dpi) {
    return pointsToPixels(formSpec().font->pointSize, dpi) + MulDiv(4, dpi, kDesignDpi);
}

HBRUSH ResistorWindow::brushOf(Colour colour) {
    const COLORREF rgb = toColorRef(colour);
    auto& brush = m_brushes[rgb];
    if (!brush) {
        brush.reset(CreateSolidBrush(rgb));
    }
    return brush.get();
}

LRESULT ResistorWindow::colourStatic(HDC dc, HWND control) {
    const ControlSpec* design = controlOfId(GetDlgCtrlID(control));
    const Colour background =
        design && design->background ? *design->background : formSpec().background;
    const Colour text = design && design->foreground ? *design->foreground : kDefaultTextColour;
    SetTextColor(dc, toColorRef(text));
    SetBkColor(dc, toColorRef(background));
    SetBkMode(dc, OPAQUE);
    return reinterpret_cast<LRESULT>(brushOf(background));
}

void ResistorWindow::handleCommand(int id, int notification) {
    // Enter reaches a window that is not a dialog as IDOK, whatever has the focus; it presses a
    // button only while that button has the focus, as Escape (IDCANCEL) presses nothing.
    if (id == IDOK) {
        id = GetDlgCtrlID(GetFocus());
        if (!m_clickHandlers.contains(id)) {
            return;
        }
    } else if (notification != BN_CLICKED) {
        return;
    }
    if (const auto handler = m_clickHandlers.find(id); handler != m_clickHandlers.end()) {
        handler->second();
    }
}

LRESULT CALLBACK ResistorWindow::windowProcedure(HWND window, UINT message, WPARAM wParam,
                                                 LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<ResistorWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->m_window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<ResistorWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    try {
        return self->handleMessage(message, wParam, lParam);
    } catch (const std::exception& error) {
        if (self->m_errorHandler) {
            self->m_errorHandler(error);
        }
        return 0;
    }
}

LRESULT ResistorWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        handleCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_MEASUREITEM: {
        // A selector asks for its rows and for its field; the field's height, once the first
        // selector has been fitted, is what made that one the description's height.
        auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        const bool field = item->itemID == static_cast<UINT>(-1);
        item->itemHeight = static_cast<UINT>(
            field && m_fieldItemHeight > 0 ? m_fieldItemHeight : listItemHeight(m_dpi));
        return TRUE;
    }
    case WM_DRAWITEM:
        drawListItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_CTLCOLORSTATIC:
        return colourStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX: {
        auto dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, toColorRef(kFieldTextColour));
        SetBkColor(dc, toColorRef(kFieldColour));
        return reinterpret_cast<LRESULT>(brushOf(kFieldColour));
    }
    case WM_CTLCOLORBTN:
        return reinterpret_cast<LRESULT>(brushOf(formSpec().background));
    case WM_PAINT:
        paintShapes();
        return 0;
    case kDrawShapesOver:
        drawShapesAbove(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_ERASEBKGND: {
        RECT area;
        GetClientRect(m_window, &area);
        FillRect(reinterpret_cast<HDC>(wParam), &area, brushOf(formSpec().background));
        return 1;
    }
    case WM_ACTIVATE:
        // Like a dialog, the window gives the focus back to the control that had it, or at
        // first to the first control in tab order.
        if (LOWORD(wParam) == WA_INACTIVE) {
            m_focusBeforeDeactivation = GetFocus();
        } else {
            HWND target = m_focusBeforeDeactivation && IsChild(m_window, m_focusBeforeDeactivation)
                              ? m_focusBeforeDeactivation
                              : GetNextDlgTabItem(m_window, nullptr, FALSE);
            if (target != nullptr) {
                SetFocus(target);
            }
        }
        return 0;
    case WM_DPICHANGED: {
        layOut(HIWORD(wParam));
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(m_window, nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_NCDESTROY: {
        m_window = nullptr;
        if (m_destroyedHandler) {
            m_destroyedHandler();
        }
        return 0;
    }
    default:
        return DefWindowProcW(m_window, message, wParam, lParam);
    }
}

} // namespace zerapol
