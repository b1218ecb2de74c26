// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#include "window/qt/band_selector.h"

#include <QLineEdit>

namespace zerapol {

BandSelector::BandSelector(const QString& initialText, QWidget* parent) : QComboBox(parent) {
    // Editable through a line edit of its own: setEditable(true) would also build the list's
    // popup and size the box now, where a first showing of the list can do it later.
    setLineEdit(new QLineEdit(this));
    setInsertPolicy(QComboBox::NoInsert);
    setFocusPolicy(Qt::StrongFocus);
    // The completer that setEditable() installs fills in "Zuta" for a typed "Z".
    setCompleter(nullptr);
    // When editing finishes, QComboBox looks the typed text up among its items ignoring case
    // and replaces it with the item: "crna" would become "Crna" and then match.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    setEditText(initialText);
    showStartOfText();
}

void BandSelector::setColourNames(const QStringList& names) {
    const QString text = currentText();
    clear();
    addItems(names);
    setMaxVisibleItems(static_cast<int>(names.size()));
    setCurrentIndex(-1);
    setEditText(text);
    showStartOfText();
}

void BandSelector::showStartOfText() {
    // A text wider than the field would otherwise show its end ("berite boju").
    lineEdit()->setCursorPosition(0);
}

} // namespace zerapol
