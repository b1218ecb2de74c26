// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#pragma once

#include "window/form_description.h"

#include <QRect>

class QWidget;

namespace zerapol {

/// Logical pixels of a rectangle in twips.
QRect toPixels(const TwipRect& twips);
QPoint toPixels(const TwipPoint& twips);

/// Creates the widget that a control of the window description stands for, as a child of
/// parent, named after the control, in its place, its look and its initial content.
QWidget* createControl(const ControlSpec& design, QWidget* parent);

} // namespace zerapol
