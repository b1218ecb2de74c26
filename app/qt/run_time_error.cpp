// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#include "app/qt/run_time_error.h"

#include "window/qt/qt_text.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <cstdio>

namespace zerapol {

void reportRunTimeError(QWidget* window, const std::exception& error) {
    // Written straight to stderr: Qt's own logging may go to the journal instead when stderr is
    // not a terminal, and this line must be where whoever started the program looks.
    std::fputs(runTimeErrorLine(error.what()).c_str(), stderr);
    std::fflush(stderr);

    QMessageBox::critical(window, qtText(kRunTimeErrorTitle),
                          qtText(runTimeErrorMessage(error.what())));
    QCoreApplication::exit(kRunTimeErrorExitStatus);
}

} // namespace zerapol
