// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#pragma once

#include "window/qt/resistor_form.h"

#include <QColor>
#include <QString>

#include <array>
#include <memory>

class QComboBox;
class QLabel;
class QPushButton;

namespace zerapol::testing {

/// The controls of one band, named independently of the program's own mapping.
struct BandNames {
    const char* selector;
    const char* swatch;
    const char* readout;
};
inline constexpr std::array<BandNames, 5> kBandNames{{
    {"Combo1", "Picture1", "Label1"},
    {"Combo2", "Picture2", "Label6"},
    {"Combo3", "Picture3", "Label7"},
    {"Combo4", "Picture4", "Label2"},
    {"Combo5", "Picture5", "Label3"},
}};

/// The colour of the window's background and of an unpainted band.
inline const QColor kWindowBackground{0xD4, 0xD0, 0xC8};

/// Form1 as the program shows it, wired to its button, driven the way a person would: by
/// typing, picking from the lists and clicking.
class FormDriver {
public:
    FormDriver();
    ~FormDriver();

    ResistorForm& form() { return *m_form; }

    /// Shows the form and waits until it is exposed and active; false if it never was.
    bool show();

    QComboBox* selector(int band) const;
    QWidget* swatch(int band) const;
    QLabel* readout(int band) const;
    QPushButton* okButton() const;

    /// Replaces the field's text by typing, key by key, as a user would.
    void type(int band, const QString& text);

    /// Opens the band's list and picks the item with the keyboard (arrows and Enter).
    void pickWithKeyboard(int band, const QString& item);

    /// Opens the band's list with a click and clicks the item.
    void pickWithMouse(int band, const QString& item);

    /// Clicks "U redu".
    void pressOk();

    /// The colour at the middle of the band's swatch, as grabbed from the window.
    QColor swatchPixel(int band);

    /// The colour grabbed from the window at a point of it.
    QColor pixelAt(QPoint point);

private:
    std::unique_ptr<ResistorForm> m_form;
};

} // namespace zerapol::testing
