// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QWidget>

namespace zerapol {

/// One band painted on the resistor: a flat panel in the band's colour. Once painted it has a
/// thin dark border, so that a band close to the background colour still shows its edges;
/// until then it cannot be told from the window behind it. Never takes focus.
class SwatchPanel : public QWidget {
    Q_OBJECT

public:
    SwatchPanel(QColor colour, QWidget* parent);

    QColor colour() const { return m_colour; }

    /// Whether a band colour has been set since the panel was created.
    bool isPainted() const { return m_painted; }

    /// Paints the panel in the band colour, with its border, from its next repaint on.
    void setColour(QColor colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_colour;
    bool m_painted = false;
};

} // namespace zerapol
