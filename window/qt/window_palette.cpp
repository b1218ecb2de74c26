// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#include "window/qt/window_palette.h"

#include "window/form_description.h"
#include "window/qt/qt_colour.h"
#include "window/window_colours.h"

namespace zerapol {

QPalette windowPalette() {
    QPalette palette(toQColor(kButtonFaceColour), toQColor(formSpec().background));
    palette.setColor(QPalette::WindowText, toQColor(kDefaultTextColour));
    palette.setColor(QPalette::Base, toQColor(kFieldColour));
    palette.setColor(QPalette::AlternateBase, toQColor(kFieldColour));
    palette.setColor(QPalette::Text, toQColor(kFieldTextColour));
    palette.setColor(QPalette::ButtonText, toQColor(kButtonTextColour));
    palette.setColor(QPalette::Highlight, toQColor(kHighlightColour));
    palette.setColor(QPalette::HighlightedText, toQColor(kHighlightedTextColour));
    palette.setColor(QPalette::ToolTipBase, toQColor(kFieldColour));
    palette.setColor(QPalette::ToolTipText, toQColor(kFieldTextColour));
    palette.setColor(QPalette::PlaceholderText, toQColor(kDisabledTextColour));
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, toQColor(kDisabledTextColour));
    }
    return palette;
}

} // namespace zerapol
