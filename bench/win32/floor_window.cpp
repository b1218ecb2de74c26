// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
// The fair floor of Zerapol.exe's start-up: what any Windows program with this window's controls
// pays, written the plainest way. One window with Form1's title and client size, a line of text,
// five editable drop-downs of ten items and a push button, all in the default GUI font, with the
// same manifest as Zerapol.exe (common controls 6, per-monitor density). It paints nothing of
// its own and answers no message but its closing.
// Given "--same-windows", it also makes the other windows Form1 is made of, the same plain way:
// five hidden texts, six texts and five panels that paint their class's background, so that it
// has as many child windows as Form1.
// clang-format off
#include <windows.h> // before every other Windows header, which build on it
#include <commctrl.h>
// clang-format on

#include <string>
#include <string_view>

namespace {

constexpr wchar_t kClassName[] = L"ZerapolStartupFloor";
constexpr wchar_t kPanelClassName[] = L"ZerapolStartupFloorPanel";
constexpr wchar_t kTitle[] = L"Izracunavanje vrednosti otpornika v.1.0 by Vemitrak";

LRESULT CALLBACK floorProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// A class of windows with the arrow cursor that Windows fills with the dialog colour.
void registerClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
}

HWND child(HWND parent, const wchar_t* windowClass, const wchar_t* text, DWORD style, int left,
           int top, int width, int height) {
    HWND control = CreateWindowExW(0, windowClass, text, WS_CHILD | WS_VISIBLE | style, left, top,
                                   width, height, parent, nullptr, nullptr, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    return control;
}

void addFormsOtherWindows(HINSTANCE instance, HWND window) {
    registerClass(instance, kPanelClassName, DefWindowProcW);
    for (int i = 0; i < 5; ++i) {
        CreateWindowExW(0, WC_STATICW, L"Boja", WS_CHILD, 0, 0, 0, 0, window, nullptr, nullptr,
                        nullptr);
        child(window, kPanelClassName, L"", 0, 112 + 56 * i, 128, 33, 97);
    }
    for (int i = 0; i < 6; ++i) {
        child(window, WC_STATICW, L"5", SS_CENTER, 16 + 72 * i, 280, 64, 25);
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int showCommand) {
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    registerClass(instance, kClassName, floorProcedure);

    RECT frame{0, 0, 533, 349};
    AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
    HWND window = CreateWindowExW(0, kClassName, kTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                                  nullptr, nullptr, instance, nullptr);
    child(window, WC_STATICW, L"Izracunavanje vrednosti", 0, 10, 10, 200, 16);
    for (int i = 0; i < 5; ++i) {
        HWND combo = child(window, WC_COMBOBOXW, L"", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN,
                           16 + 104 * i, 40, 89, 200);
        for (int item = 0; item < 10; ++item) {
            SendMessageW(combo, CB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>((L"Boja " + std::to_wstring(item)).c_str()));
        }
    }
    child(window, WC_BUTTONW, L"U redu", WS_TABSTOP | BS_PUSHBUTTON, 208, 80, 97, 33);
    if (std::wstring_view(commandLine) == L"--same-windows") {
        addFormsOtherWindows(instance, window);
    }
    ShowWindow(window, showCommand);
    UpdateWindow(window);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
