// A 10000-sample type-3 record: writing its file (content, then the atomic
// write with its flush to the disk) and reading it (the file, then taking it
// apart). The pseudo-terminal listing lives in bench_records_pty_posix.cpp.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "atomic_file.h"
#include "record_file.h"
#include "ten_thousand.h"

using namespace kav;
using namespace kav::records;
using kav::bench::zehntausend;

namespace {

const KopfTexte kKopf{"V2.13", "G4711023", "070123", "Welle A"};
const LocalTime kZeit{2008, 3, 7, 9, 5, 0};

std::filesystem::path ziel() { return std::filesystem::temp_directory_path() / "kav_bench_typ3.kav"; }

void BM_Type3_10000_BuildContent(benchmark::State& state) {
    const auto w = zehntausend();
    for (auto _ : state) {
        Dateiinhalt d = DateiSchreiben3(w, kKopf, kZeit);
        benchmark::DoNotOptimize(d);
    }
}
BENCHMARK(BM_Type3_10000_BuildContent)->Unit(benchmark::kMillisecond);

void BM_Type3_10000_Write(benchmark::State& state) {
    const auto w = zehntausend();
    for (auto _ : state) {
        const Dateiinhalt d = DateiSchreiben3(w, kKopf, kZeit);
        if (atomarSchreiben(ziel(), d.bytes) != DateiFehler::Keiner)
            state.SkipWithError("write failed");
    }
}
BENCHMARK(BM_Type3_10000_Write)->Unit(benchmark::kMillisecond);

void BM_Type3_10000_Read(benchmark::State& state) {
    atomarSchreiben(ziel(), DateiSchreiben3(zehntausend(), kKopf, kZeit).bytes);
    for (auto _ : state) {
        const DateiGelesen datei = dateiLesen(ziel());
        Leseergebnis r = DateiLesen(datei.inhalt);
        if (!r.ok())
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(r);
    }
    std::filesystem::remove(ziel());
}
BENCHMARK(BM_Type3_10000_Read)->Unit(benchmark::kMillisecond);

} // namespace
