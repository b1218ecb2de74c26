// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#include "window/qt/outline_shape.h"

#include "window/qt/device_pixels.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace zerapol {
namespace {

void makeDecoration(QWidget& widget) {
    widget.setAttribute(Qt::WA_TransparentForMouseEvents);
    widget.setAttribute(Qt::WA_NoSystemBackground);
    widget.setFocusPolicy(Qt::NoFocus);
}

} // namespace

OutlineShape::OutlineShape(int borderWidth, bool roundedCorners, QColor colour, QWidget* parent)
    : QWidget(parent), m_borderWidth(borderWidth), m_roundedCorners(roundedCorners),
      m_colour(colour) {
    makeDecoration(*this);
}

void OutlineShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const DevicePixels pixels(*this);
    const QRect outer = pixels.covered();
    const int border = pixels.thickness(m_borderWidth);
    const QRect inner = outer.adjusted(border, border, -border, -border);
    QPainterPath outline;
    outline.setFillRule(Qt::OddEvenFill);
    if (m_roundedCorners) {
        // The border is the ring between two rounded rectangles whose straight sides lie on
        // whole device pixels; only the corners are smoothed.
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF body = pixels.toLogical(outer);
        const qreal radius = (body.height() - m_borderWidth) / 6.0 + m_borderWidth / 2.0;
        const qreal innerRadius = std::max(0.0, radius - m_borderWidth);
        outline.addRoundedRect(body, radius, radius);
        outline.addRoundedRect(pixels.toLogical(inner), innerRadius, innerRadius);
    } else {
        outline.addRect(pixels.toLogical(outer));
        outline.addRect(pixels.toLogical(inner));
    }
    painter.fillPath(outline, m_colour);
}

LineShape::LineShape(QPoint from, QPoint to, int width, QColor colour, QWidget* parent)
    : QWidget(parent), m_width(width), m_colour(colour) {
    makeDecoration(*this);
    // The widget covers the line and the half of the pen on either side of it.
    const int half = width / 2;
    const QRect area = QRect(from, to).normalized().adjusted(0, -half, 0, width - half);
    setGeometry(area);
    m_from = from - area.topLeft();
    m_to = to - area.topLeft();
}

void LineShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(m_colour, m_width, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(m_from, m_to);
}

} // namespace zerapol
