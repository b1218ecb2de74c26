// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#pragma once

#include "bands/evaluate.h"

#include <array>
#include <cstdio>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace zerapol::testing {

/// One operation that the band logic performed on a view.
struct ViewCall {
    enum class Op { ReadSelector, SetSwatch, SetReadout };

    Op op;
    int band;
    Colour colour{0};
    std::string text;

    static ViewCall read(int band) { return {Op::ReadSelector, band, {0}, {}}; }
    static ViewCall swatch(int band, std::uint32_t word) {
        return {Op::SetSwatch, band, {word}, {}};
    }
    static ViewCall readout(int band, std::string text) {
        return {Op::SetReadout, band, {0}, std::move(text)};
    }

    friend bool operator==(const ViewCall&, const ViewCall&) = default;

    friend std::ostream& operator<<(std::ostream& out, const ViewCall& call) {
        switch (call.op) {
        case Op::ReadSelector:
            return out << "selectorText(" << call.band << ")";
        case Op::SetSwatch: {
            char word[16];
            std::snprintf(word, sizeof word, "0x%06X", static_cast<unsigned>(call.colour.word));
            return out << "setSwatchColour(" << call.band << ", " << word << ")";
        }
        case Op::SetReadout:
            return out << "setReadoutText(" << call.band << ", \"" << call.text << "\")";
        }
        return out;
    }
};

/// A BandView that lists the calls it receives and keeps what a window would show, so that a
/// test can compare both with what it expects. It can be told to fail one operation.
class RecordingView : public BandView {
public:
    /// What the five bands show; index 0 is band 1.
    std::array<std::string, 5> selectors{};
    std::array<std::optional<Colour>, 5> swatches{};
    std::array<std::optional<std::string>, 5> readouts{};
    std::vector<ViewCall> calls;

    /// Makes the given operation on the given band throw ControlError.
    void failOn(ViewCall::Op op, int band) { m_failure = ViewCall{op, band, {0}, {}}; }

    void setSelectors(const std::array<std::string, 5>& texts) { selectors = texts; }

    std::string& selector(int band) { return selectors.at(index(band)); }
    const std::optional<Colour>& swatch(int band) const { return swatches.at(index(band)); }
    const std::optional<std::string>& readout(int band) const { return readouts.at(index(band)); }

    std::string selectorText(int band) override {
        record(ViewCall::read(band));
        return selectors.at(index(band));
    }

    void setSwatchColour(int band, Colour colour) override {
        record(ViewCall::swatch(band, colour.word));
        swatches.at(index(band)) = colour;
    }

    void setReadoutText(int band, std::string_view text) override {
        record(ViewCall::readout(band, std::string(text)));
        readouts.at(index(band)) = std::string(text);
    }

private:
    static std::size_t index(int band) { return static_cast<std::size_t>(band - 1); }

    void record(const ViewCall& call) {
        calls.push_back(call);
        if (m_failure && m_failure->op == call.op && m_failure->band == call.band) {
            throw ControlError("fake control of band " + std::to_string(call.band) + " failed");
        }
    }

    std::optional<ViewCall> m_failure;
};

} // namespace zerapol::testing
