// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#include "app/qt/run_time_error.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <cstdio>

namespace zerapol {

void reportRunTimeError(QWidget* window, const std::exception& error) {
    // Written straight to stderr: Qt's own logging may go to the journal instead when stderr is
    // not a terminal, and this line must be where whoever started the program looks.
    std::fprintf(stderr, "zerapol: run-time error: %s\n", error.what());
    std::fflush(stderr);

    QMessageBox::critical(window, QStringLiteral("Greska u radu programa"),
                          QStringLiteral("Greska u radu programa:\n%1\n\nProgram ce se zatvoriti.")
                              .arg(QString::fromUtf8(error.what())));
    QCoreApplication::exit(kRunTimeErrorExitStatus);
}

} // namespace zerapol
