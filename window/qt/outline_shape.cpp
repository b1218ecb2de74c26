// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#include "window/qt/outline_shape.h"

#include <QPainter>

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
    QPen pen(m_colour, m_borderWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    if (m_roundedCorners) {
        // The pen is centred on the path: inset it by half its width to keep it inside.
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal inset = m_borderWidth / 2.0;
        const QRectF body = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
        const qreal radius = body.height() / 6.0;
        painter.drawRoundedRect(body, radius, radius);
    } else {
        const int inset = m_borderWidth / 2;
        painter.drawRect(rect().adjusted(inset, inset, -1 - inset, -1 - inset));
    }
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
