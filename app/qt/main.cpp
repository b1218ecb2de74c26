// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#include "app/qt/application_setup.h"
#include "app/qt/click_wiring.h"
#include "window/qt/resistor_form.h"

#include <QApplication>

int main(int, char* argv[]) {
    // The program takes no command line: not even Qt's own options reach the toolkit.
    // argv[0] may be missing when the program is started through execve with no arguments.
    char fallbackName[] = "zerapol";
    int toolkitArgc = 1;
    char* toolkitArgv[] = {argv[0] != nullptr ? argv[0] : fallbackName, nullptr};
    QApplication app(toolkitArgc, toolkitArgv);
    zerapol::setUpApplication();

    zerapol::ResistorForm form;
    zerapol::wireEvaluation(form);
    form.show();
    return QApplication::exec();
}
