// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
// A control that fails while "U redu" runs in the Windows program: the bands before it keep
// their new look, the user is told what failed in a modal message box and on standard error,
// and the message loop ends with status 1.
#include "app/win32/click_wiring.h"
#include "tests/support/stderr_capture.h"
#include "window/win32/control_ids.h"
#include "window/win32/resistor_window.h"

#include <gtest/gtest.h>
#include <string>

namespace {

struct Report {
    std::wstring title;
    std::wstring text;
    bool ownerDisabled = false; // the box was modal to the window
    int boxesSeen = 0;
};

Report* g_report = nullptr;
HWND g_owner = nullptr;

BOOL CALLBACK answerMessageBox(HWND window, LPARAM) {
    wchar_t className[16]{};
    GetClassNameW(window, className, 16);
    if (std::wstring(className) != L"#32770" || !IsWindowVisible(window)) {
        return TRUE;
    }
    wchar_t text[512]{};
    wchar_t title[128]{};
    // A message box keeps its text in the static control numbered 0xFFFF.
    GetDlgItemTextW(window, 0xFFFF, text, 512);
    GetWindowTextW(window, title, 128);
    g_report->text = text;
    g_report->title = title;
    g_report->ownerDisabled = !IsWindowEnabled(g_owner);
    ++g_report->boxesSeen;
    PostMessageW(window, WM_COMMAND, IDOK, 0);
    return FALSE;
}

void CALLBACK lookForMessageBox(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), answerMessageBox, 0);
}

void CALLBACK giveUp(HWND, UINT, UINT_PTR, DWORD) {
    PostQuitMessage(99);
}

struct BrokenControl {
    const char* name;
    int bandsDone; // bands wholly shown before the failure
};

class RunTimeErrorTest : public ::testing::TestWithParam<BrokenControl> {};

TEST_P(RunTimeErrorTest, FailingControlEndsTheProgramWithAReport) {
    const BrokenControl& broken = GetParam();
    zerapol::ResistorWindow window(GetModuleHandleW(nullptr));
    zerapol::wireEvaluation(window);
    ShowWindow(window.handle(), SW_SHOW);
    for (const char* selector : {"Combo1", "Combo2", "Combo3", "Combo4", "Combo5"}) {
        SetDlgItemTextW(window.handle(), zerapol::controlId(selector), L"Crvena");
    }
    DestroyWindow(GetDlgItem(window.handle(), zerapol::controlId(broken.name)));

    Report report;
    g_report = &report;
    g_owner = window.handle();
    const UINT_PTR answering = SetTimer(nullptr, 0, 20, lookForMessageBox);
    // Should the report never end the loop, this ends it with a status of its own.
    const UINT_PTR watchdog = SetTimer(nullptr, 0, 20000, giveUp);
    PostMessageW(GetDlgItem(window.handle(), zerapol::controlId("Command1")), BM_CLICK, 0, 0);

    int status = 0;
    std::string errorOutput;
    {
        zerapol::testing::StderrCapture capture;
        status = zerapol::runMessageLoop(window);
        errorOutput = capture.text();
    }
    KillTimer(nullptr, answering);
    KillTimer(nullptr, watchdog);

    EXPECT_EQ(status, 1);
    EXPECT_EQ(report.boxesSeen, 1);
    EXPECT_TRUE(report.ownerDisabled);
    EXPECT_EQ(report.title, L"Greska u radu programa");
    const std::wstring name(broken.name, broken.name + std::char_traits<char>::length(broken.name));
    EXPECT_NE(report.text.find(name), std::wstring::npos) << "shown: " << report.text.size();
    EXPECT_EQ(errorOutput, "zerapol: run-time error: control " + std::string(broken.name) +
                               " is missing from the window\n");
    for (int band = 1; band <= broken.bandsDone; ++band) {
        const char* readouts[] = {"Label1", "Label6", "Label7", "Label2", "Label3"};
        wchar_t text[8]{};
        GetDlgItemTextW(window.handle(), zerapol::controlId(readouts[band - 1]), text, 8);
        EXPECT_EQ(std::wstring(text), L"2") << "band " << band;
    }
}

INSTANTIATE_TEST_SUITE_P(EachKindOfControl, RunTimeErrorTest,
                         ::testing::Values(BrokenControl{"Label6", 1}, BrokenControl{"Combo3", 2},
                                           BrokenControl{"Picture4", 3}));

} // namespace
