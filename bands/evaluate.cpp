// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#include "bands/evaluate.h"

#include "bands/band_tables.h"

namespace zerapol {

void evaluateBands(BandView& view) {
    for (int band = kFirstBand; band <= kLastBand; ++band) {
        const std::string text = view.selectorText(band);
        if (const ColourRow* match = findRow(tableForBand(band), text)) {
            view.setSwatchColour(band, match->swatch);
            view.setReadoutText(band, match->readout);
        }
    }
}

} // namespace zerapol
