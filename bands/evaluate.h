// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#pragma once

#include "bands/colour.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace zerapol {

/// A failed operation on one of the window's controls; the message names the control and what
/// failed. Nothing in the band logic catches it.
class ControlError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// The window as the band logic sees it: one selector, one swatch and one readout per band.
/// Abstract so that the logic can be driven without any window. Every operation throws
/// ControlError when it fails.
class BandView {
public:
    virtual ~BandView() = default;

    /// The text the band's selector holds now, picked or typed, as UTF-8.
    virtual std::string selectorText(int band) = 0;

    /// Paints the band's swatch in the colour.
    virtual void setSwatchColour(int band, Colour colour) = 0;

    /// Replaces the band's readout text (UTF-8); the empty text blanks it.
    virtual void setReadoutText(int band, std::string_view text) = 0;
};

/// Reads the five selectors in band order and, for each band whose text names a colour of its
/// table, sets first its swatch and then its readout; other bands are left as they are. A
/// ControlError stops the run at the failing operation and reaches the caller, with the bands
/// already handled keeping their new look.
void evaluateBands(BandView& view);

} // namespace zerapol
