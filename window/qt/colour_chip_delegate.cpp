// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#include "window/qt/colour_chip_delegate.h"

#include "window/qt/qt_colour.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>

namespace zerapol {

void ColourChipDelegate::initStyleOption(QStyleOptionViewItem* option,
                                         const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    const QVariant colour = index.data(kChipColourRole);
    if (!colour.isValid()) {
        return;
    }
    // As tall as a capital letter and a little more, whatever the font and the scale.
    const int size = QFontMetrics(option->font).height() - 2;
    option->features |= QStyleOptionViewItem::HasDecoration;
    option->decorationSize = QSize(size, size);
    option->icon = chip(colour.value<QColor>(), size);
}

QIcon ColourChipDelegate::chip(QColor colour, int size) const {
    QIcon& icon = m_chips[colour.rgb()];
    if (icon.isNull()) {
        QPixmap square(size, size);
        square.fill(colour);
        QPainter painter(&square);
        painter.setPen(toQColor(kSwatchEdgeColour));
        painter.drawRect(0, 0, size - 1, size - 1);
        painter.end();
        icon = QIcon(square);
    }
    return icon;
}

} // namespace zerapol
