// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#include "window/qt/swatch_panel.h"

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
    painter.fillRect(rect(), m_colour);
    if (m_painted) {
        painter.setPen(toQColor(kSwatchEdgeColour));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

} // namespace zerapol
