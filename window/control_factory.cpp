// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#include "window/control_factory.h"

#include "window/band_selector.h"
#include "window/font_choice.h"
#include "window/outline_shape.h"
#include "window/qt_text.h"
#include "window/swatch_panel.h"
#include "window/system_palette.h"

#include <QLabel>
#include <QPushButton>

#include <stdexcept>
#include <string>

namespace zerapol {
namespace {

constexpr int pixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

QColor foregroundOf(const ControlSpec& spec, QRgb fallback) {
    return spec.foreground ? toQColor(*spec.foreground) : QColor::fromRgb(fallback);
}

QWidget* createButton(const ControlSpec& spec, QWidget* parent) {
    auto* button = new QPushButton(qtText(spec.text), parent);
    // Outside a dialog a push button ignores Enter unless it is auto-default; being auto-default
    // here makes Enter press the button only while it has the focus, as a default button would
    // not.
    button->setAutoDefault(true);
    button->setDefault(false);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

QWidget* createLabel(const ControlSpec& spec, QWidget* parent) {
    auto* label = new QLabel(qtText(spec.text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(spec.alignment == TextAlignment::Centre ? Qt::AlignCenter
                                                                : Qt::AlignLeft | Qt::AlignVCenter);
    label->setFocusPolicy(Qt::NoFocus);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, foregroundOf(spec, kDefaultTextColour));
    if (spec.background) {
        palette.setColor(QPalette::Window, toQColor(*spec.background));
        label->setAutoFillBackground(true);
    }
    label->setPalette(palette);
    return label;
}

QWidget* createWidget(const ControlSpec& spec, QWidget* parent) {
    switch (spec.kind) {
    case ControlKind::PushButton:
        return createButton(spec, parent);
    case ControlKind::SwatchPanel:
        return new SwatchPanel(toQColor(spec.background.value_or(formSpec().background)), parent);
    case ControlKind::Selector:
        return new BandSelector(qtText(spec.text), parent);
    case ControlKind::ReadoutText:
    case ControlKind::CaptionText:
        return createLabel(spec, parent);
    case ControlKind::Outline:
        return new OutlineShape(spec.borderWidth, spec.roundedCorners,
                                foregroundOf(spec, kDefaultLineColour), parent);
    case ControlKind::Line:
        return new LineShape(toPixels(spec.from), toPixels(spec.to), spec.borderWidth,
                             foregroundOf(spec, kDefaultLineColour), parent);
    }
    throw std::invalid_argument("control " + std::string(spec.name) + " is of no known kind");
}

} // namespace

QRect toPixels(const TwipRect& twips) {
    return QRect(pixels(twips.left), pixels(twips.top), pixels(twips.width), pixels(twips.height));
}

QPoint toPixels(const TwipPoint& twips) {
    return QPoint(pixels(twips.x), pixels(twips.y));
}

QWidget* createControl(const ControlSpec& spec, QWidget* parent) {
    QWidget* widget = createWidget(spec, parent);
    widget->setObjectName(qtText(spec.name));
    if (spec.kind != ControlKind::Line) {
        widget->setGeometry(toPixels(spec.bounds));
    }
    if (spec.font) {
        widget->setFont(chooseFont(*spec.font));
    }
    return widget;
}

} // namespace zerapol
