// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QHash>
#include <QIcon>
#include <QStyledItemDelegate>

namespace zerapol {

/// Draws each item of a selector's list with a small chip of its band colour before its name:
/// a square with a thin dark edge, so that white and silver show on a white list. The colour is
/// the item's kChipColourRole; the item's text, and so what is picked, read and announced,
/// stays its name alone. Only the list shows chips: the field never does, so a chip can never
/// stand beside a typed name of another colour.
class ColourChipDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    static constexpr int kChipColourRole = Qt::UserRole + 1;

    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    QIcon chip(QColor colour, int size) const;

    mutable QHash<QRgb, QIcon> m_chips; ///< made on first drawing, never at start-up
};

} // namespace zerapol
