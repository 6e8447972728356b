// The trend of the current values: adding one reading and redrawing the
// window's strips (layout, min/max per pixel column, drawing into the
// retained image) with an hour (7200) and a day (172800) of readings; the
// decimation alone; and the store's bytes per reading.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "trend_window.h"

namespace {
using namespace kav::measure;

AktuellWerte lesung(std::size_t i) {
    AktuellWerte w;
    w.Impulszahl = 1024;
    w.Drehzahl = 1500.0f + static_cast<float>(i % 977) * 0.1f;
    w.Frequenz = 25600 + static_cast<std::int32_t>(i % 101);
    w.Versorgungsspannung = 24.0f + static_cast<float>(i % 13) * 0.01f;
    w.Stromaufnahme = static_cast<std::int16_t>(80 + i % 7);
    w.Symmetrie0 = i % 500 == 0 ? 110 : static_cast<std::uint8_t>(i % 9);
    w.Symmetrie90 = static_cast<std::uint8_t>(256 - i % 5);
    w.Phasenlage = static_cast<std::uint8_t>(i % 4);
    return w;
}

std::string deutsch(const std::string& d) { return d; }

// /7200: an hour at two readings a second, /172800: a day.
void BM_TrendAddAndRedraw(benchmark::State& state) {
    const auto n = static_cast<std::size_t>(state.range(0));
    TrendWindow fenster(deutsch, ",");
    fenster.resize(900, 760);
    fenster.anhalten(true); // filled without drawing
    for (std::size_t i = 0; i < n; ++i)
        fenster.messungHinzufuegen(static_cast<double>(i) * 0.5, lesung(i));
    fenster.anhalten(false);
    std::size_t i = n;
    for (auto _ : state) {
        state.PauseTiming();
        // Stay within the day the store holds.
        if (fenster.store().voll()) {
            fenster.leeren();
            fenster.anhalten(true);
            for (std::size_t k = 0; k < n - 1; ++k)
                fenster.messungHinzufuegen(static_cast<double>(k) * 0.5, lesung(k));
            fenster.anhalten(false);
            i = n - 1;
        }
        state.ResumeTiming();
        fenster.messungHinzufuegen(static_cast<double>(i) * 0.5, lesung(i));
        ++i;
        benchmark::DoNotOptimize(fenster.chart().bild().constBits());
    }
}
BENCHMARK(BM_TrendAddAndRedraw)->Arg(7200)->Arg(172800)->Unit(benchmark::kMillisecond);

// The min/max per column of all seven series for 800 columns over the whole run.
void BM_TrendColumns(benchmark::State& state) {
    const auto n = static_cast<std::size_t>(state.range(0));
    TrendStore s;
    for (std::size_t i = 0; i < n; ++i)
        s.hinzufuegen(static_cast<double>(i) * 0.5, lesung(i));
    for (auto _ : state)
        for (TrendReihe r : kAlleTrendReihen)
            benchmark::DoNotOptimize(s.spalten(r, 0, static_cast<double>(n) * 0.5, 800).data());
}
BENCHMARK(BM_TrendColumns)->Arg(7200)->Arg(172800)->Unit(benchmark::kMicrosecond);

// Adding one reading to the store alone; bytes_per_reading for a full day.
void BM_TrendStoreAdd(benchmark::State& state) {
    TrendStore s;
    std::size_t i = 0;
    for (auto _ : state) {
        if (!s.hinzufuegen(static_cast<double>(i) * 0.5, lesung(i))) {
            state.PauseTiming();
            s.leeren();
            i = 0;
            state.ResumeTiming();
        }
        ++i;
    }
    TrendStore tag;
    for (std::size_t k = 0; k < 172800; ++k)
        tag.hinzufuegen(static_cast<double>(k) * 0.5, lesung(k));
    state.counters["bytes_per_reading"] = static_cast<double>(tag.speicherBytes()) / 172800.0;
    state.counters["MB_per_day"] = static_cast<double>(tag.speicherBytes()) / (1024.0 * 1024.0);
}
BENCHMARK(BM_TrendStoreAdd)->Unit(benchmark::kNanosecond);

} // namespace
