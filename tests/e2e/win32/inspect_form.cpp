// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
// Reads Form1 of a running Zerapol.exe from outside, as an accessibility tool would: for every
// control of the window description that is a window (the form draws its outlines and lines),
// whether it is there, its place in the client area, its text (WM_GETTEXT), what a screen
// reader gets of it through Microsoft Active Accessibility (the name and description of its
// client object) and, for a selector, its list and the window just above it in the stacking
// order, which names it. One line each, fields split by tabs, with tabs, newlines and
// backslashes in texts written as \t, \n and \\:
//   form  SCREEN_DPI  CLIENT_SCREEN_X  CLIENT_SCREEN_Y  CLIENT_WIDTH  CLIENT_HEIGHT
//   control  NAME  PRESENT  LEFT  TOP  WIDTH  HEIGHT  TEXT
//   accessible  NAME  ACCESSIBLE_NAME  ACCESSIBLE_DESCRIPTION
//   item  NAME  INDEX  TEXT
//   label  NAME  CLASS  VISIBLE  TAB_STOP  TEXT
// Exits 1 when no window of the form's class is open.
#include "window/form_description.h"
#include "window/win32/control_ids.h"
#include "window/win32/form_places.h"
#include "window/win32/resistor_window.h"
#include "window/win32/wide_text.h"

// clang-format off
#include <initguid.h> // IID_IAccessible, which MinGW's libraries do not define
#include <oleacc.h>
// clang-format on
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

// The name and description a screen reader reads of a control's client area; "(none)" where
// there is no accessible object, "(error)" where it fails to answer.
std::pair<std::wstring, std::wstring> accessibleOf(HWND control) {
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                          IID_IAccessible,
                                          reinterpret_cast<void**>(&accessible)))) {
        return {L"(none)", L"(none)"};
    }
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    const auto read = [&](auto getter) {
        BSTR text = nullptr;
        const HRESULT result = (accessible->*getter)(self, &text);
        std::wstring value = FAILED(result) ? L"(error)" : text ? text : L"";
        SysFreeString(text);
        return value;
    };
    auto answer =
        std::pair{read(&IAccessible::get_accName), read(&IAccessible::get_accDescription)};
    accessible->Release();
    return answer;
}

std::wstring classOf(HWND window) {
    wchar_t name[64] = L"";
    GetClassNameW(window, name, 64);
    return name;
}

} // namespace

int main() {
    // Places in device pixels, whatever the density: a program unaware of it would be shown
    // them scaled back to 96 dpi.
    if (!SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2)) {
        SetProcessDPIAware();
    }
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
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
        if (zerapol::isShape(design)) {
            continue; // drawn by the form: no window to read
        }
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
        const auto [accessibleName, accessibleDescription] = accessibleOf(control);
        std::printf("accessible\t%s\t%s\t%s\n", name.c_str(), escaped(accessibleName).c_str(),
                    escaped(accessibleDescription).c_str());
        if (design.kind == zerapol::ControlKind::Selector) {
            HWND above = GetWindow(control, GW_HWNDPREV);
            if (above != nullptr) {
                const auto style = GetWindowLongW(above, GWL_STYLE);
                std::printf("label\t%s\t%s\t%d\t%d\t%s\n", name.c_str(),
                            escaped(classOf(above)).c_str(), (style & WS_VISIBLE) ? 1 : 0,
                            (style & WS_TABSTOP) ? 1 : 0, escaped(textOf(above)).c_str());
            }
            const auto count = SendMessageW(control, CB_GETCOUNT, 0, 0);
            for (int index = 0; index < count; ++index) {
                std::printf("item\t%s\t%d\t%s\n", name.c_str(), index,
                            escaped(itemOf(control, index)).c_str());
            }
        }
    }
    return 0;
}
