// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#include "app/click_wiring.h"
#include "window/resistor_form.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zerapol"));
    QApplication::setApplicationVersion(QStringLiteral(ZERAPOL_VERSION));

    zerapol::ResistorForm form;
    zerapol::wireEvaluation(form);
    form.show();
    return QApplication::exec();
}
