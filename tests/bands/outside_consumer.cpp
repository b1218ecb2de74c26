// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
// Uses the core exactly as a program outside this build would: only its two public headers.
#include "bands/band_tables.h"
#include "bands/evaluate.h"

#include <string>

namespace {

class OneBandView : public zerapol::BandView {
public:
    std::string selectorText(int band) override { return band == 4 ? "Zuta" : ""; }
    void setSwatchColour(int, zerapol::Colour colour) override { swatch = colour; }
    void setReadoutText(int, std::string_view text) override { readout = text; }

    zerapol::Colour swatch{0};
    std::string readout;
};

} // namespace

int main() {
    OneBandView view;
    zerapol::evaluateBands(view);
    const zerapol::BandTable table = zerapol::tableForBand(4);
    const zerapol::ColourRow* row = zerapol::findRow(table, "Zuta");
    const bool ok = row != nullptr && view.swatch == row->swatch && view.readout == "0,000" &&
                    zerapol::Colour::fromRgb(255, 255, 0) == zerapol::Colour{0x00FFFF};
    return ok ? 0 : 1;
}
