// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
// Five arbitrary selector texts through evaluateBands, checked against an oracle that matches
// names byte for byte on its own, against the tables as the colour code gives them (the same
// hand-written tables the core's tests use), never the code's own: a band is read, then painted and
// labelled with its row's colour and text exactly when its text is one of its band's names, and
// nothing else happens.
//
// Input: five texts as FuzzedDataProvider::ConsumeRandomLengthString reads them, so "\|" ends
// a text and "\\" stands for one backslash; any bytes after the fifth text are ignored.
#include "bands/band_tables.h"
#include "bands/evaluate.h"
#include "tests/support/expected_band_tables.h"
#include "tests/support/recording_view.h"

#include <cstdlib>
#include <cstring>
#include <fuzzer/FuzzedDataProvider.h>
#include <iostream>

namespace {

using zerapol::testing::RecordingView;
using zerapol::testing::ViewCall;

std::vector<ViewCall> expectedCalls(const std::array<std::string, 5>& texts) {
    std::vector<ViewCall> calls;
    for (int band = zerapol::kFirstBand; band <= zerapol::kLastBand; ++band) {
        const std::string& text = texts[static_cast<std::size_t>(band - 1)];
        calls.push_back(ViewCall::read(band));
        for (const zerapol::testing::ExpectedRow& row : zerapol::testing::expectedFor(band)) {
            if (row.name.size() == text.size() &&
                std::memcmp(row.name.data(), text.data(), text.size()) == 0) {
                calls.push_back(ViewCall::swatch(band, row.word));
                calls.push_back(ViewCall::readout(band, row.readout));
            }
        }
    }
    return calls;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    std::array<std::string, 5> texts;
    for (std::string& text : texts) {
        text = input.ConsumeRandomLengthString();
    }

    RecordingView view;
    view.setSelectors(texts);
    zerapol::evaluateBands(view);

    if (view.calls != expectedCalls(texts)) {
        std::cerr << "evaluateBands disagrees with the oracle; it made these calls:\n";
        for (const ViewCall& call : view.calls) {
            std::cerr << "  " << call << '\n';
        }
        std::abort();
    }
    return 0;
}
