// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#include "window/qt/swatch_panel.h"

#include "window/qt/device_pixels.h"
#include "window/qt/qt_colour.h"

#include <QPainter>

namespace zerapol {

SwatchPanel::SwatchPanel(QColor colour, QWidget* parent) : QWidget(parent), m_colour(colour) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void SwatchPanel::setColour(QColor colour) {
    if (colour != m_colour || !m_painted) {
        m_colour = colour;
        m_painted = true;
        update();
    }
}

void SwatchPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const DevicePixels pixels(*this);
    const QRect whole = pixels.covered();
    if (!m_painted) {
        painter.fillRect(pixels.toLogical(whole), m_colour);
        return;
    }
    // The edge in whole device pixels, the band's colour only inside it: nothing of the colour
    // can show beyond the edge at any scale.
    const int edge = pixels.thickness(1);
    painter.fillRect(pixels.toLogical(whole), toQColor(kSwatchEdgeColour));
    painter.fillRect(pixels.toLogical(whole.adjusted(edge, edge, -edge, -edge)), m_colour);
}

} // namespace zerapol
