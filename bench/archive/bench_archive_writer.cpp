// Archiving while measuring: what the thread that hands a result over spends
// on it (the record copied into the job and posted; the bytes are built and
// written on the archive's thread). Target: 5 ms per result. Beside it the
// whole way into a SQLite archive (built, written, committed) per result.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "archive_writer.h"
#include "ten_thousand.h"

using namespace kav;

namespace {

records::KopfTexte kopf(int n) { return {"V2.13", "S" + std::to_string(n % 1000), "070123", {}}; }
LocalTime zeit(int n) { return {2024, 3, 7, 9, n / 60 % 60, n % 60}; }

void BM_HandOverOneOscillation(benchmark::State& state) {
    QTemporaryDir dir;
    archive::ArchiveWriter writer;
    writer.setLocation(dir.filePath(QStringLiteral("archive.sqlite")));
    const records::Datensatz ergebnis = bench::zehntausend();
    int n = 0;
    for (auto _ : state) {
        // As the window does per shown result: its saved copy into the job.
        records::Datensatz kopie = ergebnis;
        const records::KopfTexte k = kopf(n);
        const LocalTime t = zeit(n++);
        writer.post(
            [kopie = std::move(kopie), k, t] { return archive::entryFor(kopie, k, t, archive::Source::Online); });
        state.PauseTiming();
        writer.flush(); // not the caller's time: the next result comes later
        state.ResumeTiming();
    }
}
BENCHMARK(BM_HandOverOneOscillation)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(200);

void BM_ArchiveOneCurrentValuesResult(benchmark::State& state) {
    QTemporaryDir dir;
    archive::ArchiveWriter writer;
    writer.setLocation(dir.filePath(QStringLiteral("archive.sqlite")));
    int n = 0;
    for (auto _ : state) {
        measure::AktuellWerte w;
        w.Impulszahl = 1000 + n;
        w.Drehzahl = 1500.5f;
        const records::KopfTexte k = kopf(n);
        const LocalTime t = zeit(n++);
        writer.post([w, k, t] { return archive::entryFor(w, k, t, archive::Source::Online); });
        writer.flush();
    }
}
BENCHMARK(BM_ArchiveOneCurrentValuesResult)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(500);

} // namespace
