// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#include "window/qt/band_selector.h"

#include "window/qt/colour_chip_delegate.h"

#include <QCompleter>
#include <QFocusEvent>
#include <QLineEdit>

namespace zerapol {

BandSelector::BandSelector(const QString& initialText, QWidget* parent) : QComboBox(parent) {
    // Editable through a line edit of its own: setEditable(true) would also build the list's
    // popup and size the box now, where a first showing of the list can do it later.
    // A completer would fill in "Zuta" for a typed "Z". QComboBox gives a line edit that has
    // none a completer over its items, with a proxy of the whole model, only for it to be
    // dropped here: an empty one of the line edit's own, dropped instead, costs next to
    // nothing.
    auto* edit = new QLineEdit(this);
    edit->setCompleter(new QCompleter(edit));
    setLineEdit(edit);
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    setFocusPolicy(Qt::StrongFocus);
    // When editing finishes, QComboBox looks the typed text up among its items ignoring case
    // and replaces it with the item: "crna" would become "Crna" and then match.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    setEditText(initialText);
    showStartOfText();
}

void BandSelector::setItems(const QList<Item>& items) {
    const QString text = currentText();
    clear();
    for (const Item& item : items) {
        addItem(item.name);
        setItemData(count() - 1, item.colour, ColourChipDelegate::kChipColourRole);
    }
    setMaxVisibleItems(static_cast<int>(items.size()));
    setCurrentIndex(-1);
    setEditText(text);
    showStartOfText();
}

void BandSelector::showPopup() {
    // The list and its delegate are made when the list is first shown, not at start-up.
    if (qobject_cast<ColourChipDelegate*>(itemDelegate()) == nullptr) {
        setItemDelegate(new ColourChipDelegate(this));
    }
    QComboBox::showPopup();
}

void BandSelector::focusInEvent(QFocusEvent* event) {
    QComboBox::focusInEvent(event);
    // The field that has the focus when the window opens or comes back selects all its text,
    // as Qt does for Tab and as the platform the design comes from does: the first key typed
    // replaces "Izaberite boju" rather than going in before it. A click keeps Qt's caret.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::OtherFocusReason) {
        lineEdit()->selectAll();
    }
}

void BandSelector::showStartOfText() {
    // A text wider than the field would otherwise show its end ("berite boju").
    lineEdit()->setCursorPosition(0);
}

} // namespace zerapol
