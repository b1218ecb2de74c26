// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#include "window/qt/font_choice.h"

#include "window/qt/qt_text.h"

#include <QFontDatabase>
#include <QSet>

namespace zerapol {
namespace {

// QFontDatabase::hasFamily() asks fontconfig to resolve aliases on every call, which cost half
// of the program's start-up; the installed families are read once instead.
bool isInstalled(const QString& family) {
    static const QSet<QString> installed = [] {
        const QStringList families = QFontDatabase::families();
        return QSet<QString>(families.begin(), families.end());
    }();
    return installed.contains(family);
}

} // namespace

QFont chooseFont(const FontSpec& wanted) {
    const bool monospace = wanted.fallback == GenericFamily::Monospace;
    QString family;
    for (const std::string_view face : wanted.families) {
        const QString candidate = qtText(face);
        if (isInstalled(candidate)) {
            family = candidate;
            break;
        }
    }
    if (family.isEmpty()) {
        // None of the design's faces is installed: the platform's face of the same kind, by
        // name. (A style hint would say the same, and make Qt look up fallback faces for the
        // font at every start.)
        family = QFontDatabase::systemFont(monospace ? QFontDatabase::FixedFont
                                                     : QFontDatabase::GeneralFont)
                     .family();
    }
    QFont font(family);
    font.setPixelSize(pointsToPixels(wanted.pointSize));
    font.setWeight(static_cast<QFont::Weight>(wanted.weight));
    return font;
}

} // namespace zerapol
