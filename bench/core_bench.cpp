// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
// The core alone: looking a text up in a band's table, and a whole press over a view that
// costs next to nothing, for matched, unmatched and 1 MiB texts.
#include "bands/band_tables.h"
#include "bands/evaluate.h"

#include <array>
#include <benchmark/benchmark.h>
#include <string>

namespace {

using zerapol::Colour;

/// Hands out fixed texts and keeps the last values it was given, as cheaply as a view can.
class StillView final : public zerapol::BandView {
public:
    explicit StillView(std::array<std::string, 5> texts) : m_texts(std::move(texts)) {}

    std::string selectorText(int band) override {
        return m_texts[static_cast<std::size_t>(band - 1)];
    }
    void setSwatchColour(int band, Colour colour) override {
        m_swatches[static_cast<std::size_t>(band - 1)] = colour;
    }
    void setReadoutText(int band, std::string_view text) override {
        m_readouts[static_cast<std::size_t>(band - 1)] = text;
    }

private:
    std::array<std::string, 5> m_texts;
    std::array<Colour, 5> m_swatches{};
    std::array<std::string_view, 5> m_readouts{};
};

const std::string kMiB(std::size_t{1} << 20, 'Z');

void findRowMatchedLastRow(benchmark::State& state) {
    const zerapol::BandTable table = zerapol::tableForBand(4);
    std::string text = "Srebrna";
    for (auto _ : state) {
        benchmark::DoNotOptimize(text);
        benchmark::DoNotOptimize(zerapol::findRow(table, text));
    }
}
BENCHMARK(findRowMatchedLastRow);

void findRowUnmatched(benchmark::State& state) {
    const zerapol::BandTable table = zerapol::tableForBand(1);
    std::string text = "Izaberite boju";
    for (auto _ : state) {
        benchmark::DoNotOptimize(text);
        benchmark::DoNotOptimize(zerapol::findRow(table, text));
    }
}
BENCHMARK(findRowUnmatched);

void findRowOneMebibyte(benchmark::State& state) {
    const zerapol::BandTable table = zerapol::tableForBand(1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(zerapol::findRow(table, kMiB));
    }
}
BENCHMARK(findRowOneMebibyte);

void evaluate(benchmark::State& state, std::array<std::string, 5> texts) {
    StillView view(std::move(texts));
    for (auto _ : state) {
        zerapol::evaluateBands(view);
        benchmark::ClobberMemory();
    }
}
BENCHMARK_CAPTURE(evaluate, matched, {"Crvena", "Ljubicasta", "Crna", "Braon", "Zlatna"});
BENCHMARK_CAPTURE(evaluate, unmatched,
                  {"Izaberite boju", "Izaberite boju", "Izaberite boju", "Izaberite boju",
                   "Izaberite boju"});
BENCHMARK_CAPTURE(evaluate, oneMebibyteEach, {kMiB, kMiB, kMiB, kMiB, kMiB});

} // namespace

BENCHMARK_MAIN();
