// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QWidget>

namespace zerapol {

/// A rectangle drawn as its border only, square or with rounded corners; whatever lies under it
/// shows through, and it lets mouse clicks pass to what is beneath.
class OutlineShape : public QWidget {
    Q_OBJECT

public:
    OutlineShape(int borderWidth, bool roundedCorners, QColor colour, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_borderWidth;
    bool m_roundedCorners;
    QColor m_colour;
};

/// A straight line of a given width between two points of its parent. It lets mouse clicks
/// pass to what is beneath.
class LineShape : public QWidget {
    Q_OBJECT

public:
    LineShape(QPoint from, QPoint to, int width, QColor colour, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint m_from;
    QPoint m_to;
    int m_width;
    QColor m_colour;
};

} // namespace zerapol
