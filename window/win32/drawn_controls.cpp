// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#include "window/win32/drawn_controls.h"

#include "window/form_description.h"
#include "window/win32/gdi_objects.h"
#include "window/win32/window_class.h"

#include <algorithm>

namespace zerapol {
namespace {

// A drawn control keeps its state in its own user data: the colour word it is filled with,
// and whether a band colour has been set.
constexpr LONG_PTR kPaintedFlag = LONG_PTR{1} << 32;

LONG_PTR stateOf(HWND control) {
    return GetWindowLongPtrW(control, GWLP_USERDATA);
}

COLORREF fillOf(LONG_PTR state) {
    return static_cast<COLORREF>(state & 0xFFFFFFFF);
}

// The stock DC brush takes any colour, so painting creates no GDI object.
void fill(HDC dc, const RECT& area, COLORREF colour) {
    SetDCBrushColor(dc, colour);
    FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

LRESULT CALLBACK swatchProcedure(HWND swatch, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
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
        EndPaint(swatch, &paint);
        return 0;
    }
    default:
        return DefWindowProcW(swatch, message, wParam, lParam);
    }
}

LRESULT CALLBACK shapeProcedure(HWND shape, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(shape, &paint);
        RECT area;
        GetClientRect(shape, &area);
        // The window's region leaves only the shape itself to fill.
        fill(dc, area, fillOf(stateOf(shape)));
        EndPaint(shape, &paint);
        return 0;
    }
    default:
        return DefWindowProcW(shape, message, wParam, lParam);
    }
}

} // namespace

void registerDrawnControlClasses(HINSTANCE instance) {
    registerWindowClass(instance, kSwatchClass, swatchProcedure);
    registerWindowClass(instance, kShapeClass, shapeProcedure);
}

HWND createDrawnControl(const wchar_t* windowClass, HWND parent, int id, const RECT& place,
                        Colour colour, const wchar_t* name) {
    HWND control = CreateWindowExW(
        0, windowClass, name, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, place.left, place.top,
        place.right - place.left, place.bottom - place.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
    if (control != nullptr) {
        SetWindowLongPtrW(control, GWLP_USERDATA, static_cast<LONG_PTR>(toColorRef(colour)));
    }
    return control;
}

void paintSwatch(HWND swatch, Colour colour) {
    SetWindowLongPtrW(swatch, GWLP_USERDATA,
                      static_cast<LONG_PTR>(toColorRef(colour)) | kPaintedFlag);
    InvalidateRect(swatch, nullptr, FALSE);
}

void cutToOutline(HWND shape, int borderPixels, bool roundedCorners) {
    RECT area;
    GetClientRect(shape, &area);
    const int width = area.right;
    const int height = area.bottom;
    const int border = borderPixels;
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
    DeleteObject(inner);
    // The window owns its region from here on.
    SetWindowRgn(shape, outer, TRUE);
}

} // namespace zerapol
