// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QRectF>

class QWidget;

namespace zerapol {

/// Where a widget lands on its window's device pixels, at any scale. Qt clips a widget's
/// painting to its logical rectangle scaled and rounded, which at a fractional scale need not
/// line up with the painter's own mapping: a one-pixel line drawn at the widget's logical edge
/// can fall outside the clip, or land between pixels and come out twice. Drawing in whole
/// device pixels of the covered rectangle puts every edge on the screen, one line each.
class DevicePixels {
public:
    explicit DevicePixels(const QWidget& widget);

    /// The device pixels the widget paints, in its window's device coordinates.
    QRect covered() const { return m_covered; }

    /// Device pixels of a width in logical pixels: at least one.
    int thickness(qreal logical) const;

    /// The logical rectangle, in the widget's own coordinates, that covers exactly these
    /// device pixels of the window.
    QRectF toLogical(const QRectF& device) const;

private:
    qreal m_scale;
    QRect m_covered;
    QPointF m_origin; ///< the widget's top left in the window's device coordinates
};

} // namespace zerapol
