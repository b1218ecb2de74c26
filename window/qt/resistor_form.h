// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#pragma once

#include "bands/evaluate.h"

#include <QWidget>

namespace zerapol {

/// Form1, the program's only window: built from the window description in its initial look,
/// and the BandView the band logic paints through.
class ResistorForm : public QWidget, public BandView {
    Q_OBJECT

public:
    explicit ResistorForm(QWidget* parent = nullptr);

    /// Each operation looks its control up by name for that one operation and throws
    /// ControlError, naming the control, when it is missing or not of the expected kind.
    std::string selectorText(int band) override;
    void setSwatchColour(int band, Colour colour) override;
    void setReadoutText(int band, std::string_view text) override;

private:
    template <typename Control> Control& control(std::string_view name) const;
};

} // namespace zerapol
