// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#include "app/qt/click_wiring.h"
#include "window/qt/resistor_form.h"

#include <QApplication>
#include <QIcon>

int main(int, char* argv[]) {
    // The program takes no command line: not even Qt's own options reach the toolkit.
    // argv[0] may be missing when the program is started through execve with no arguments.
    char fallbackName[] = "zerapol";
    int toolkitArgc = 1;
    char* toolkitArgv[] = {argv[0] != nullptr ? argv[0] : fallbackName, nullptr};
    QApplication app(toolkitArgc, toolkitArgv);
    QApplication::setApplicationName(QStringLiteral("zerapol"));
    QApplication::setApplicationVersion(QStringLiteral(ZERAPOL_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(ZERAPOL_APP_ID));
    QIcon icon;
    for (const int size : {16, 32, 48, 256}) {
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(size));
    }
    QApplication::setWindowIcon(icon);

    zerapol::ResistorForm form;
    zerapol::wireEvaluation(form);
    form.show();
    return QApplication::exec();
}
