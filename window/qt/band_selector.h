// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QComboBox>
#include <QList>
#include <QString>

namespace zerapol {

/// An editable drop-down whose field holds exactly what the user typed or picked. Unlike a
/// plain editable QComboBox it completes nothing, never folds the case of typed text onto an
/// item, and never adds what was typed to its list.
class BandSelector : public QComboBox {
    Q_OBJECT

public:
    BandSelector(const QString& initialText, QWidget* parent);

    /// One item of the list: a colour's name and the colour its chip shows.
    struct Item {
        QString name;
        QColor colour;
    };

    /// Replaces the list with the items, in order, all visible without scrolling; the field
    /// keeps its text.
    void setItems(const QList<Item>& items);

    void showPopup() override;

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    void showStartOfText();
};

} // namespace zerapol
