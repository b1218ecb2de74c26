// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#include "window/qt/device_pixels.h"

#include <QWidget>

#include <algorithm>
#include <cmath>

namespace zerapol {

DevicePixels::DevicePixels(const QWidget& widget) : m_scale(widget.devicePixelRatioF()) {
    const QPoint at = widget.mapTo(widget.window(), QPoint(0, 0));
    m_origin = QPointF(at) * m_scale;
    // As Qt scales the widget's clip: each edge on its own, rounded to the nearest pixel.
    m_covered = QRect(QPoint(qRound(at.x() * m_scale), qRound(at.y() * m_scale)),
                      QPoint(qRound((at.x() + widget.width()) * m_scale) - 1,
                             qRound((at.y() + widget.height()) * m_scale) - 1));
}

int DevicePixels::thickness(qreal logical) const {
    return std::max(1, static_cast<int>(std::lround(logical * m_scale)));
}

QRectF DevicePixels::toLogical(const QRectF& device) const {
    return QRectF((device.topLeft() - m_origin) / m_scale, device.size() / m_scale);
}

} // namespace zerapol
