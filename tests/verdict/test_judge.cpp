// Judging at the limits' edges: inclusive ranges, one-sided limits, status
// codes, the speed window, backwards turning; which limits each result type
// is judged on; the verdict's JSON and its lines.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "judge.h"

namespace kav::verdict {
namespace {

using measure::AktuellWerte;
using measure::DrehschwebungWerte;
using measure::SchlechtimpulsWerte;
constexpr auto P = CheckResult::Pass;
constexpr auto F = CheckResult::Fail;
constexpr auto N = CheckResult::NotJudged;
using Judged = std::function<Verdict(const Profile&, double)>;

// A record of type W whose field m holds the input, judged.
template <typename W, typename T>
Judged field(T W::*m) {
    return [m](const Profile& p, double x) {
        W w;
        w.*m = static_cast<T>(x);
        return judge(p, w);
    };
}

struct Case {
    double input;
    CheckResult result;
    std::optional<double> value;
    bool code = false;
};
struct Group {
    Limit limit;
    Range range;
    Judged judged;
    std::vector<Case> cases;
};

TEST(Judge, LimitsAtTheirEdges) {
    const Judged deviation = [](const Profile& p, double negativeByte) {
        SchlechtimpulsWerte w;
        w.MaxPositiv = 10;
        w.MaxNegativ = static_cast<std::uint8_t>(negativeByte);
        return judge(p, w);
    };
    const Judged oscillation = [](const Profile& p, double min) {
        DrehschwebungWerte w;
        w.AnzahlMesswerte = min == 0 ? 0 : 1; // input 0: a result without samples
        w.MaxWert = 150;
        w.MinWert = static_cast<std::int16_t>(min);
        return judge(p, w);
    };
    const Group groups[] = {
        {Limit::Pulses, {1024.0, 1024.0}, field(&AktuellWerte::Impulszahl),
         {{1024, P, 1024}, {1023, F, 1023}, {1025, F, 1025}}},
        {Limit::Pulses, {1024.0, 1024.0}, field(&DrehschwebungWerte::Impulszahl), {{1000, F, 1000}}},
        {Limit::SpeedRpm, {100.0, 6000.0}, field(&AktuellWerte::Drehzahl),
         {{100, P, 100}, {6000, P, 6000}, {-6000, P, 6000}, {99.9, N, 99.9}, {6000.5, N, 6000.5}, {0, N, 0}}},
        {Limit::SpeedRpm, {100.0, 6000.0}, field(&SchlechtimpulsWerte::Drehzahl), {{-7000, N, 7000}}},
        {Limit::SupplyVoltageV, {4.75, 5.25}, field(&AktuellWerte::Versorgungsspannung),
         {{4.75, P, 4.75}, {5.25, P, 5.25}, {4.74, F, 4.74}, {5.26, F, 5.26}}},
        {Limit::SupplyVoltageV, {4.8, 5.2}, field(&AktuellWerte::Versorgungsspannung), {{4.8, P, 4.8}, {5.2, P, 5.2}}},
        {Limit::CurrentMaMax, {std::nullopt, 150.0}, field(&AktuellWerte::Stromaufnahme),
         {{150, P, 150}, {151, F, 151}, {-20, P, -20}}},
        {Limit::Symmetry0Pct, {-5.0, 5.0}, field(&AktuellWerte::Symmetrie0),
         {{251, P, -5}, {250, F, -6}, {5, P, 5}, {6, F, 6}, {100, F, 100}, {101, N, 101, true}, {110, N, 110, true},
          {126, N, 126, true}, {127, F, 127}, {244, F, -12}}},
        {Limit::Symmetry90Pct, {-5.0, 5.0}, field(&AktuellWerte::Symmetrie90), {{120, N, 120, true}, {255, P, -1}}},
        {Limit::PhasePct, {-5.0, 5.0}, field(&AktuellWerte::Phasenlage),
         {{127, N, 127, true}, {101, N, 101, true}, {128, F, -128}, {0, P, 0}}},
        {Limit::TrackErrorAllowed, {std::nullopt, 0.0}, field(&AktuellWerte::Spurfehler), {{0, P, 0}, {2, F, 2}}},
        {Limit::TrackErrorAllowed, {}, field(&AktuellWerte::Spurfehler), {{3, P, 3}}},
        {Limit::BadPulsesMax, {std::nullopt, 0.0}, field(&SchlechtimpulsWerte::AnzahlAbweichungen),
         {{0, P, 0}, {1, F, 1}}},
        {Limit::BadPulseDeviationPctMax, {std::nullopt, 10.0}, deviation,
         {{244, F, 12}, {246, P, 10}, {0, P, 10}, {128, F, 128}}},
        {Limit::OscillationPpArcsecMax, {std::nullopt, 300.0}, oscillation,
         {{-150, P, 300}, {-151, F, 301}, {0, N, std::nullopt}}},
    };
    for (const Group& g : groups) {
        const Profile p = [&] {
            Profile q{"p", {}};
            q[g.limit] = g.range;
            return q;
        }();
        for (const Case& c : g.cases) {
            const Verdict v = g.judged(p, c.input);
            ASSERT_EQ(v.checks.size(), 1u) << limitInfo(g.limit).key << " " << c.input;
            const Check& k = v.checks[0];
            EXPECT_EQ(k.result, c.result) << limitInfo(g.limit).key << " " << c.input;
            EXPECT_EQ(k.value, c.value) << limitInfo(g.limit).key << " " << c.input;
            EXPECT_EQ(k.code, c.code) << limitInfo(g.limit).key << " " << c.input;
            EXPECT_EQ(k.min, g.range.min);
            EXPECT_EQ(k.max, g.range.max);
        }
    }
}

Profile everyLimit() {
    Profile p{"Geber 1024 TTL", {}};
    for (const auto& info : limitTable())
        p[info.limit] = Range{std::nullopt, 1e9};
    return p;
}

std::vector<std::string> keys(const Verdict& v) {
    std::vector<std::string> k;
    for (const auto& c : v.checks)
        k.push_back(limitInfo(c.limit).key);
    return k;
}

TEST(Judge, EachTypeOnItsOwnLimits) {
    const Profile p = everyLimit();
    using V = std::vector<std::string>;
    EXPECT_EQ(keys(judge(p, AktuellWerte{})),
              (V{"pulses", "speed_rpm", "supply_voltage_v", "current_ma_max", "symmetry0_pct", "symmetry90_pct",
                 "phase_pct", "track_error_allowed"}));
    EXPECT_EQ(keys(judge(p, SchlechtimpulsWerte{})),
              (V{"pulses", "speed_rpm", "bad_pulses_max", "bad_pulse_deviation_pct_max"}));
    DrehschwebungWerte d;
    d.AnzahlMesswerte = 1;
    EXPECT_EQ(keys(judge(p, d)), (V{"pulses", "speed_rpm", "oscillation_pp_arcsec_max"}));
    EXPECT_TRUE(judge(Profile{"leer", {}}, d).checks.empty());
    EXPECT_EQ(judge(Profile{"leer", {}}, d).result, Outcome::Pass);
}

TEST(Judge, ResultAndUnitOutcome) {
    Profile p{"p", {}};
    p[Limit::SpeedRpm] = Range{100.0, 6000.0};
    p[Limit::CurrentMaMax] = Range{std::nullopt, 150.0};
    AktuellWerte w;
    w.Drehzahl = 7000;
    w.Stromaufnahme = 100;
    EXPECT_EQ(judge(p, w).result, Outcome::Incomplete) << "speed outside the window, nothing failed";
    w.Stromaufnahme = 200;
    const Verdict v = judge(p, w);
    EXPECT_EQ(v.result, Outcome::Fail);
    EXPECT_EQ(v.checks.size(), 2u) << "the other checks are still judged and listed";
    w.Drehzahl = 1500;
    w.Stromaufnahme = 100;
    EXPECT_EQ(judge(p, w).result, Outcome::Pass);

    using O = Outcome;
    const std::pair<std::vector<Outcome>, Outcome> units[] = {
        {{O::Pass, O::Pass, O::Pass}, O::Pass},
        {{O::Pass, O::Incomplete, O::Pass}, O::Incomplete},
        {{O::Incomplete, O::Fail, O::Pass}, O::Fail},
    };
    for (const auto& [results, unit] : units)
        EXPECT_EQ(unitOutcome(results), unit);
}

TEST(Judge, VerdictJsonInTheKeysOrder) {
    Profile p{"Geber", {}};
    p[Limit::CurrentMaMax] = Range{std::nullopt, 150.0};
    p[Limit::Symmetry0Pct] = Range{-5.0, 5.0};
    p[Limit::SupplyVoltageV] = Range{4.75, 5.25};
    AktuellWerte w;
    w.Stromaufnahme = 151;
    w.Symmetrie0 = 110;
    w.Versorgungsspannung = 4.8f;
    EXPECT_EQ(verdictJson(judge(p, w), p.name).dump(),
              R"({"result":"FAIL","profile":"Geber","checks":[)"
              R"({"limit":"supply_voltage_v","value":4.8,"min":4.75,"max":5.25,"result":"PASS"},)"
              R"({"limit":"current_ma_max","value":151,"min":null,"max":150,"result":"FAIL"},)"
              R"({"limit":"symmetry0_pct","value":110,"min":-5,"max":5,"result":"NOT_JUDGED"}]})");
}

TEST(Judge, LinesInBothLanguages) {
    const Check rows[] = {
        {Limit::CurrentMaMax, 151.0, false, std::nullopt, 150.0, F},
        {Limit::Pulses, 1000.0, false, 1024.0, 1024.0, F},
        {Limit::Symmetry0Pct, -6.0, false, -5.0, 5.0, F},
        {Limit::PhasePct, 110.0, true, -5.0, 5.0, N},
        {Limit::SpeedRpm, 7000.0, false, 100.0, 6000.0, N},
        {Limit::OscillationPpArcsecMax, std::nullopt, false, std::nullopt, 300.0, N},
        {Limit::SupplyVoltageV, 4.8, false, 4.75, 5.25, P},
    };
    const char* expected[][2] = {
        {"Stromaufnahme 151 mA > 150 mA", "Current consumption 151 mA > 150 mA"},
        {"Impulszahl 1000 ≠ 1024", "Pulse number 1000 ≠ 1024"},
        {"Symmetrie 0 -6 % < -5 %", "Symmetry 0 -6 % < -5 %"},
        {"Phasenlage: Code 110 nicht bewertbar", "Phase position: code 110 cannot be judged"},
        {"Drehzahl 7000 1/min außerhalb 100 … 6000 1/min, nicht bewertet",
         "Speed 7000 rpm outside 100 … 6000 rpm, not judged"},
        {"Drehschwebung Spitze-Spitze: kein Messwert", "Oscillation peak to peak: no measured value"},
        {"Versorgungsspannung 4.8 V (4.75 … 5.25 V)", "Power supply 4.8 V (4.75 … 5.25 V)"},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        EXPECT_EQ(checkLine(rows[i], "D"), expected[i][0]);
        EXPECT_EQ(checkLine(rows[i], "E"), expected[i][1]);
    }
    Verdict v{Outcome::Fail, {rows[0], rows[6]}};
    EXPECT_EQ(checkLines(v, "D"), std::vector<std::string>{expected[0][0]}) << "passing checks make no line";
}

} // namespace
} // namespace kav::verdict
