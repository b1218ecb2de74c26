// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
// Reads Form1 of a running Zerapol.exe from outside, as an accessibility tool would: for every
// control of the window description, whether it is there, its place in the client area, its
// text (WM_GETTEXT) and, for a selector, its list. One line each, fields split by tabs, with
// tabs, newlines and backslashes in texts written as \t, \n and \\:
//   form  SCREEN_DPI  CLIENT_SCREEN_X  CLIENT_SCREEN_Y  CLIENT_WIDTH  CLIENT_HEIGHT
//   control  NAME  PRESENT  LEFT  TOP  WIDTH  HEIGHT  TEXT
//   item  NAME  INDEX  TEXT
// Exits 1 when no window of the form's class is open.
#include "window/form_description.h"
#include "window/win32/control_ids.h"
#include "window/win32/resistor_window.h"
#include "window/win32/wide_text.h"

#include <cstdio>
#include <string>

namespace {

std::string escaped(const std::wstring& text) {
    std::string out;
    for (const char c : zerapol::toUtf8(text)) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::wstring textOf(HWND control) {
    const auto length = SendMessageW(control, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const auto copied = SendMessageW(control, WM_GETTEXT, static_cast<WPARAM>(text.size()),
                                     reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

std::wstring itemOf(HWND selector, int index) {
    const auto length = SendMessageW(selector, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const auto copied = SendMessageW(selector, CB_GETLBTEXT, static_cast<WPARAM>(index),
                                     reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied < 0 ? 0 : copied));
    return text;
}

} // namespace

int main() {
    // Places in device pixels, whatever the density: a program unaware of it would be shown
    // them scaled back to 96 dpi.
    if (!SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2)) {
        SetProcessDPIAware();
    }
    HWND form = FindWindowW(zerapol::kFormClass, nullptr);
    if (form == nullptr) {
        std::puts("no form");
        return 1;
    }
    RECT client;
    GetClientRect(form, &client);
    POINT origin{0, 0};
    ClientToScreen(form, &origin);
    std::printf("form\t%u\t%ld\t%ld\t%ld\t%ld\n", GetDpiForSystem(), origin.x, origin.y,
                client.right, client.bottom);
    for (const zerapol::ControlSpec& design : zerapol::formControls()) {
        const std::string name(design.name);
        HWND control = GetDlgItem(form, zerapol::controlId(design.name));
        if (control == nullptr) {
            std::printf("control\t%s\t0\t0\t0\t0\t0\t\n", name.c_str());
            continue;
        }
        RECT place;
        GetWindowRect(control, &place);
        MapWindowPoints(HWND_DESKTOP, form, reinterpret_cast<POINT*>(&place), 2);
        std::printf("control\t%s\t1\t%ld\t%ld\t%ld\t%ld\t%s\n", name.c_str(), place.left, place.top,
                    place.right - place.left, place.bottom - place.top,
                    escaped(textOf(control)).c_str());
        if (design.kind == zerapol::ControlKind::Selector) {
            const auto count = SendMessageW(control, CB_GETCOUNT, 0, 0);
            for (int index = 0; index < count; ++index) {
                std::printf("item\t%s\t%d\t%s\n", name.c_str(), index,
                            escaped(itemOf(control, index)).c_str());
            }
        }
    }
    return 0;
}
