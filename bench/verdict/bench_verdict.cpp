// The cost of judging one result against a profile that sets every limit,
// and of the verdict's JSON a kavctl line adds. One iteration is one result;
// target: judging at most 1 µs per result.
#include <benchmark/benchmark.h>

#include "judge.h"

namespace {

using namespace kav::verdict;

Profile everyLimit() {
    const char* text = R"({"name": "Geber 1024 TTL", "pulses": 1024, "speed_rpm": [100, 6000],
        "supply_voltage_v": [4.75, 5.25], "current_ma_max": 150, "symmetry0_pct": [-5, 5],
        "symmetry90_pct": [-5, 5], "phase_pct": [-5, 5], "track_error_allowed": false, "bad_pulses_max": 0,
        "bad_pulse_deviation_pct_max": 10, "oscillation_pp_arcsec_max": 300})";
    return *parseProfile(text, "bench.json").profile;
}

template <typename Werte>
void judgeOne(benchmark::State& state, const Werte& w) {
    const Profile p = everyLimit();
    for (auto _ : state) {
        Verdict v = judge(p, w);
        benchmark::DoNotOptimize(v);
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_JudgeCurrentValues(benchmark::State& state) {
    judgeOne(state, kav::measure::AktuellWerte{.Impulszahl = 1024, .Drehzahl = -1500.5f, .Frequenz = 25600,
                                               .Versorgungsspannung = 4.8f, .Stromaufnahme = 65, .Symmetrie0 = 2,
                                               .Symmetrie90 = 110, .Phasenlage = 250});
}
BENCHMARK(BM_JudgeCurrentValues);

void BM_JudgeBadPulses(benchmark::State& state) {
    judgeOne(state, kav::measure::SchlechtimpulsWerte{.MaxNegativ = 244, .MaxPositiv = 6, .AnzahlAbweichungen = 3,
                                                      .Impulszahl = 1024, .Drehzahl = 1500});
}
BENCHMARK(BM_JudgeBadPulses);

void BM_JudgeOscillation(benchmark::State& state) {
    judgeOne(state, kav::measure::DrehschwebungWerte{.Messdaten = {}, .AnzahlMesswerte = 10000, .Impulszahl = 1024, .Drehzahl = 1500,
                                                     .MinWert = -140, .MaxWert = 150});
}
BENCHMARK(BM_JudgeOscillation);

// The verdict object of one current-values result, built and written.
void BM_VerdictJson(benchmark::State& state) {
    const Profile p = everyLimit();
    const Verdict v = judge(p, kav::measure::AktuellWerte{.Impulszahl = 1024, .Drehzahl = 1500});
    for (auto _ : state) {
        std::string s = verdictJson(v, p.name).dump();
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(BM_VerdictJson);

} // namespace
