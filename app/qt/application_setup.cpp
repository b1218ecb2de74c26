// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#include "app/qt/application_setup.h"

#include "window/qt/window_palette.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>

namespace zerapol {

void setUpApplication() {
    QApplication::setApplicationName(QStringLiteral("zerapol"));
    QApplication::setApplicationVersion(QStringLiteral(ZERAPOL_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(ZERAPOL_APP_ID));

    // The window offers the sizes a title bar and a task switcher draw; a desktop takes larger
    // ones from the installed icon theme. Each is read as the PNG it is: left to guess, Qt
    // would load and ask every image plug-in first.
    QIcon icon;
    for (const int size : {16, 32, 48}) {
        QImageReader reader(QStringLiteral(":/icons/%1.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    QApplication::setWindowIcon(icon);

    // Set for the whole application before any widget exists, the palette costs nothing per
    // widget; it sets every role, so a desktop theme's palette has none left to fill in.
    QApplication::setPalette(windowPalette());
}

} // namespace zerapol
