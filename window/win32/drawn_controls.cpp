// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#include "window/win32/drawn_controls.h"

#include "window/win32/gdi_objects.h"
#include "window/win32/window_class.h"

#include <algorithm>

namespace zerapol {
namespace {

// A swatch keeps its state in its own user data: the colour word it is filled with, and
// whether a band colour has been set.
constexpr LONG_PTR kPaintedFlag = LONG_PTR{1} << 32;

LONG_PTR stateOf(HWND control) {
    return GetWindowLongPtrW(control, GWLP_USERDATA);
}

COLORREF fillOf(LONG_PTR state) {
    return static_cast<COLORREF>(state & 0xFFFFFFFF);
}

// The stock DC brush takes any colour, so painting creates no brush.
HBRUSH dcBrush(HDC dc, COLORREF colour) {
    SetDCBrushColor(dc, colour);
    return static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
}

void fill(HDC dc, const RECT& area, COLORREF colour) {
    FillRect(dc, &area, dcBrush(dc, colour));
}

LRESULT CALLBACK swatchProcedure(HWND swatch, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCPAINT:
        return 0; // no frame, no scroll bar: nothing outside the client area to draw
    case WM_ERASEBKGND:
        return 1; // WM_PAINT covers every pixel
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(swatch, &paint);
        RECT area;
        GetClientRect(swatch, &area);
        const LONG_PTR state = stateOf(swatch);
        if (state & kPaintedFlag) {
            // The edge first, the band's colour only inside it.
            const int edge =
                std::max(1, MulDiv(1, static_cast<int>(GetDpiForWindow(swatch)), kDesignDpi));
            fill(dc, area, toColorRef(kSwatchEdgeColour));
            InflateRect(&area, -edge, -edge);
        }
        fill(dc, area, fillOf(state));
        drawFormShapesOver(swatch, dc);
        EndPaint(swatch, &paint);
        return 0;
    }
    default:
        return DefWindowProcW(swatch, message, wParam, lParam);
    }
}

void drawOutline(HDC dc, const RECT& place, int border, bool roundedCorners, HBRUSH brush) {
    const int width = place.right - place.left;
    const int height = place.bottom - place.top;
    HRGN outer = nullptr;
    HRGN inner = nullptr;
    if (roundedCorners) {
        // The same corners as a rounded rectangle whose pen is kept inside the shape.
        const int diameter = 2 * std::max(0, (height - border) / 6);
        const int innerDiameter = std::max(0, diameter - 2 * border);
        outer = CreateRoundRectRgn(0, 0, width + 1, height + 1, diameter, diameter);
        inner = CreateRoundRectRgn(border, border, width - border + 1, height - border + 1,
                                   innerDiameter, innerDiameter);
    } else {
        outer = CreateRectRgn(0, 0, width, height);
        inner = CreateRectRgn(border, border, width - border, height - border);
    }
    CombineRgn(outer, outer, inner, RGN_DIFF);
    OffsetRgn(outer, place.left, place.top);
    FillRgn(dc, outer, brush);
    DeleteObject(inner);
    DeleteObject(outer);
}

} // namespace

void registerSwatchClass(HINSTANCE instance) {
    registerWindowClass(instance, kSwatchClass, swatchProcedure);
}

HWND createSwatch(HWND parent, int id, const RECT& place, Colour colour, const wchar_t* name) {
    HWND control = CreateWindowExW(
        0, kSwatchClass, name, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, place.left, place.top,
        place.right - place.left, place.bottom - place.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
    if (control != nullptr) {
        SetWindowLongPtrW(control, GWLP_USERDATA, static_cast<LONG_PTR>(toColorRef(colour)));
    }
    return control;
}

void drawFormShapesOver(HWND control, HDC dc) {
    SendMessageW(GetParent(control), kDrawShapesOver, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(control));
}

void paintSwatch(HWND swatch, Colour colour) {
    SetWindowLongPtrW(swatch, GWLP_USERDATA,
                      static_cast<LONG_PTR>(toColorRef(colour)) | kPaintedFlag);
    InvalidateRect(swatch, nullptr, FALSE);
}

void drawShape(HDC dc, const ControlSpec& shape, const RECT& place, int dpi) {
    HBRUSH brush = dcBrush(dc, toColorRef(shape.foreground.value_or(kDefaultLineColour)));
    if (shape.kind == ControlKind::Line) {
        FillRect(dc, &place, brush);
    } else if (shape.kind == ControlKind::Outline) {
        drawOutline(dc, place, std::max(1, MulDiv(shape.borderWidth, dpi, kDesignDpi)),
                    shape.roundedCorners, brush);
    }
}

} // namespace zerapol
