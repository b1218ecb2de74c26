// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#include "window/qt/resistor_form.h"

#include "bands/band_tables.h"
#include "window/band_controls.h"
#include "window/form_description.h"
#include "window/qt/band_selector.h"
#include "window/qt/control_factory.h"
#include "window/qt/font_choice.h"
#include "window/qt/qt_colour.h"
#include "window/qt/qt_text.h"
#include "window/qt/swatch_panel.h"

#include <QLabel>

#include <algorithm>
#include <string>
#include <type_traits>
#include <vector>

namespace zerapol {
namespace {

QList<BandSelector::Item> listItems(BandTable table) {
    QList<BandSelector::Item> items;
    for (const ColourRow& row : table) {
        items.append({qtText(row.name), toQColor(row.swatch)});
    }
    return items;
}

template <typename Control> const char* kindName() {
    if constexpr (std::is_same_v<Control, BandSelector>) {
        return "selector";
    } else if constexpr (std::is_same_v<Control, SwatchPanel>) {
        return "swatch panel";
    } else {
        return "text label";
    }
}

} // namespace

ResistorForm::ResistorForm(QWidget* parent) : QWidget(parent) {
    const FormSpec& form = formSpec();
    setObjectName(qtText(form.name));
    setWindowTitle(qtText(form.title));
    setFont(chooseFont(*form.font));
    setAutoFillBackground(true);
    resize(toPixels(TwipRect{0, 0, form.clientWidth, form.clientHeight}).size());

    std::vector<std::pair<int, QWidget*>> focusOrder;
    std::vector<QWidget*> raised;
    for (const ControlSpec& design : formControls()) {
        QWidget* widget = createControl(design, this);
        if (widget->focusPolicy() != Qt::NoFocus) {
            focusOrder.emplace_back(design.tabIndex, widget);
        }
        if (design.drawnAboveSiblings) {
            raised.push_back(widget);
        }
    }
    for (QWidget* widget : raised) {
        widget->raise();
    }
    std::sort(focusOrder.begin(), focusOrder.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < focusOrder.size(); ++i) {
        QWidget::setTabOrder(focusOrder[i - 1].second, focusOrder[i].second);
    }

    for (const BandControls& band : bandControls()) {
        const QString role = qtText(band.role);
        auto& selector = control<BandSelector>(band.selector);
        selector.setItems(listItems(tableForBand(band.band)));
        // A combo box's accessible name is its current text and a label's replaces its visible
        // text, so the band's role goes into the description there.
        selector.setAccessibleDescription(qtText(selectorLabel(band)));
        control<SwatchPanel>(band.swatch).setAccessibleName(qtText(swatchName(band)));
        control<QLabel>(band.readout).setAccessibleDescription(role);
    }
}

template <typename Control> Control& ResistorForm::control(std::string_view name) const {
    const QString objectName = qtText(name);
    auto* widget = findChild<QWidget*>(objectName, Qt::FindDirectChildrenOnly);
    if (widget == nullptr) {
        throw ControlError("control " + std::string(name) + " is missing from the window");
    }
    auto* typed = qobject_cast<Control*>(widget);
    if (typed == nullptr) {
        throw ControlError("control " + std::string(name) + " is not a " + kindName<Control>());
    }
    return *typed;
}

std::string ResistorForm::selectorText(int band) {
    return control<BandSelector>(controlsOfBand(band).selector).currentText().toStdString();
}

void ResistorForm::setSwatchColour(int band, Colour colour) {
    auto& swatch = control<SwatchPanel>(controlsOfBand(band).swatch);
    swatch.setColour(toQColor(colour));
}

void ResistorForm::setReadoutText(int band, std::string_view text) {
    control<QLabel>(controlsOfBand(band).readout).setText(qtText(text));
}

} // namespace zerapol
