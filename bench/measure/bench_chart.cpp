// The chart box: the layout of a 10000-sample result with the samples
// decoded and drawn into its retained image (what DateiTyp3Anzeigen does),
// and a repaint of the box, which only copies that image.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "chart_box.h"
#include "chart_layout.h"
#include "display_rules.h"

namespace {
using namespace kav::measure;

// 10000 samples in ±2000 arc seconds as the device sends them (4 hex digits, low byte first).
DrehschwebungWerte ergebnis10000(std::int32_t impulszahl) {
    DrehschwebungWerte w;
    w.AnzahlMesswerte = 10000;
    w.Impulszahl = impulszahl;
    w.MinWert = -2000;
    w.MaxWert = 2000;
    static const char* kHex = "0123456789ABCDEF";
    for (int i = 0; i < 10000; ++i) {
        const auto v = static_cast<std::uint16_t>(static_cast<std::int16_t>((i * 37) % 4001 - 2000));
        w.Messdaten += {kHex[(v >> 4) & 15], kHex[v & 15], kHex[(v >> 12) & 15], kHex[(v >> 8) & 15]};
    }
    return w;
}

// The window's chart box size (769 x 430 pixels with its border).
void boxWieImFenster(ChartBox& box) {
    box.setGeometry(0, 0, 769, 430);
    QFont f = box.font();
    f.setPixelSize(11);
    box.setFont(f);
}

// /0 without "/math": 200 samples on the axis, the rest beyond the box's
// edge; /1 with "/math" and 2000 pulses: all 10000 samples on the axis.
void BM_ChartLayoutAndDraw10000(benchmark::State& state) {
    const bool math = state.range(0) != 0;
    const DrehschwebungWerte w = ergebnis10000(math ? 2000 : 1024);
    ChartBox box;
    boxWieImFenster(box);
    for (auto _ : state) {
        const QSizeF e = box.boxEinheiten();
        box.leeren();
        box.achsenZeichnen(
            DrehschwebungGrafik(w.MaxWert, w.MinWert, e.width(), e.height(), math, w.Impulszahl, nullptr));
        box.punkteZeichnen(messwerte(w));
        benchmark::DoNotOptimize(box.bild().constBits());
    }
}
BENCHMARK(BM_ChartLayoutAndDraw10000)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A synchronous repaint of the shown box (offscreen platform: into the backing store).
void BM_ChartRepaint(benchmark::State& state) {
    const DrehschwebungWerte w = ergebnis10000(2000);
    ChartBox box;
    boxWieImFenster(box);
    const QSizeF e = box.boxEinheiten();
    box.achsenZeichnen(DrehschwebungGrafik(2000, -2000, e.width(), e.height(), true, w.Impulszahl, nullptr));
    box.punkteZeichnen(messwerte(w));
    box.show();
    QApplication::processEvents();
    for (auto _ : state)
        box.repaint();
}
BENCHMARK(BM_ChartRepaint)->Unit(benchmark::kMicrosecond);

} // namespace
