// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#include "window/qt/control_factory.h"

#include "window/qt/band_selector.h"
#include "window/qt/font_choice.h"
#include "window/qt/outline_shape.h"
#include "window/qt/qt_colour.h"
#include "window/qt/qt_text.h"
#include "window/qt/swatch_panel.h"

#include <QLabel>
#include <QPushButton>

#include <stdexcept>
#include <string>

namespace zerapol {
namespace {

QColor foregroundOf(const ControlSpec& design, Colour fallback) {
    return toQColor(design.foreground.value_or(fallback));
}

QWidget* createButton(const ControlSpec& design, QWidget* parent) {
    auto* button = new QPushButton(qtText(design.text), parent);
    // Outside a dialog a push button ignores Enter unless it is auto-default; being auto-default
    // here makes Enter press the button only while it has the focus, as a default button would
    // not.
    button->setAutoDefault(true);
    button->setDefault(false);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

QWidget* createLabel(const ControlSpec& design, QWidget* parent) {
    auto* label = new QLabel(qtText(design.text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(design.alignment == TextAlignment::Centre
                            ? Qt::AlignCenter
                            : Qt::AlignLeft | Qt::AlignVCenter);
    label->setFocusPolicy(Qt::NoFocus);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, foregroundOf(design, kDefaultTextColour));
    if (design.background) {
        palette.setColor(QPalette::Window, toQColor(*design.background));
        label->setAutoFillBackground(true);
    }
    label->setPalette(palette);
    return label;
}

QWidget* createWidget(const ControlSpec& design, QWidget* parent) {
    switch (design.kind) {
    case ControlKind::PushButton:
        return createButton(design, parent);
    case ControlKind::SwatchPanel:
        return new SwatchPanel(toQColor(design.background.value_or(formSpec().background)), parent);
    case ControlKind::Selector:
        return new BandSelector(qtText(design.text), parent);
    case ControlKind::ReadoutText:
    case ControlKind::CaptionText:
        return createLabel(design, parent);
    case ControlKind::Outline:
        return new OutlineShape(design.borderWidth, design.roundedCorners,
                                foregroundOf(design, kDefaultLineColour), parent);
    case ControlKind::Line:
        return new LineShape(toPixels(design.from), toPixels(design.to), design.borderWidth,
                             foregroundOf(design, kDefaultLineColour), parent);
    }
    throw std::invalid_argument("control " + std::string(design.name) + " is of no known kind");
}

} // namespace

QRect toPixels(const TwipRect& twips) {
    return QRect(twipsToPixels(twips.left), twipsToPixels(twips.top), twipsToPixels(twips.width),
                 twipsToPixels(twips.height));
}

QPoint toPixels(const TwipPoint& twips) {
    return QPoint(twipsToPixels(twips.x), twipsToPixels(twips.y));
}

QWidget* createControl(const ControlSpec& design, QWidget* parent) {
    QWidget* widget = createWidget(design, parent);
    widget->setObjectName(qtText(design.name));
    if (design.kind != ControlKind::Line) {
        widget->setGeometry(toPixels(design.bounds));
    }
    if (design.font) {
        widget->setFont(chooseFont(*design.font));
    }
    return widget;
}

} // namespace zerapol
