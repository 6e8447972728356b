#include "judge.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "json_number.h"

namespace kav::verdict {

namespace {

using measure::vorzeichenbehaftet;

// The quantity a limit judges in one record.
struct Measured {
    std::optional<double> value;
    bool code = false;
};

// A percentage byte: signed percent, or the status code it holds instead
// (symmetry 101-126, phase 101-127).
Measured percent(std::uint8_t b, int lastCode) {
    if (b >= 101 && b <= lastCode)
        return {b, true};
    return {vorzeichenbehaftet(b)};
}

double speed(float drehzahl) { return std::fabs(floatValue(drehzahl)); }

Measured measured(Limit l, const measure::AktuellWerte& w) {
    switch (l) {
    case Limit::Pulses: return {w.Impulszahl};
    case Limit::SpeedRpm: return {speed(w.Drehzahl)};
    case Limit::SupplyVoltageV: return {floatValue(w.Versorgungsspannung)};
    case Limit::CurrentMaMax: return {w.Stromaufnahme};
    case Limit::Symmetry0Pct: return percent(w.Symmetrie0, 126);
    case Limit::Symmetry90Pct: return percent(w.Symmetrie90, 126);
    case Limit::PhasePct: return percent(w.Phasenlage, 127);
    case Limit::TrackErrorAllowed: return {w.Spurfehler};
    default: return {};
    }
}

Measured measured(Limit l, const measure::SchlechtimpulsWerte& w) {
    switch (l) {
    case Limit::Pulses: return {w.Impulszahl};
    case Limit::SpeedRpm: return {speed(w.Drehzahl)};
    case Limit::BadPulsesMax: return {w.AnzahlAbweichungen};
    case Limit::BadPulseDeviationPctMax:
        return {std::max(std::abs(vorzeichenbehaftet(w.MaxPositiv)), std::abs(vorzeichenbehaftet(w.MaxNegativ)))};
    default: return {};
    }
}

Measured measured(Limit l, const measure::DrehschwebungWerte& w) {
    switch (l) {
    case Limit::Pulses: return {w.Impulszahl};
    case Limit::SpeedRpm: return {speed(w.Drehzahl)};
    case Limit::OscillationPpArcsecMax:
        // Without samples MinWert and MaxWert describe nothing.
        if (w.AnzahlMesswerte < 1)
            return {};
        return {static_cast<double>(w.MaxWert) - w.MinWert};
    default: return {};
    }
}

template <typename Werte>
Verdict judgeRecord(const Profile& p, const Werte& w, unsigned type) {
    Verdict v;
    v.checks.reserve(8);
    for (const auto& info : limitTable()) {
        const auto& range = p[info.limit];
        if (!(info.types & type) || !range)
            continue;
        const Measured m = measured(info.limit, w);
        Check c{info.limit, m.value, m.code, range->min, range->max, CheckResult::NotJudged};
        if (m.value && !m.code) {
            const bool inside = (!range->min || *m.value >= *range->min) && (!range->max || *m.value <= *range->max);
            // Outside the speed window the encoder was not tested as the profile asks.
            if (inside)
                c.result = CheckResult::Pass;
            else if (info.limit != Limit::SpeedRpm)
                c.result = CheckResult::Fail;
        }
        v.checks.push_back(c);
    }
    v.result = outcomeOf(v.checks);
    return v;
}

// Caption and unit of each limit, German and English.
struct LimitText {
    const char* label[2];
    const char* unit[2];
};
constexpr LimitText kTexts[kLimitCount] = {
    {{"Impulszahl", "Pulse number"}, {"", ""}},
    {{"Drehzahl", "Speed"}, {"1/min", "rpm"}},
    {{"Versorgungsspannung", "Power supply"}, {"V", "V"}},
    {{"Stromaufnahme", "Current consumption"}, {"mA", "mA"}},
    {{"Symmetrie 0", "Symmetry 0"}, {"%", "%"}},
    {{"Symmetrie 90", "Symmetry 90"}, {"%", "%"}},
    {{"Phasenlage", "Phase position"}, {"%", "%"}},
    {{"Spurfehler", "Track error"}, {"", ""}},
    {{"Anzahl Abweichungen", "Number of deviations"}, {"", ""}},
    {{"Abweichung", "Deviation"}, {"%", "%"}},
    {{"Drehschwebung Spitze-Spitze", "Oscillation peak to peak"}, {"''", "''"}},
};

} // namespace

Verdict judge(const Profile& p, const measure::AktuellWerte& w) { return judgeRecord(p, w, kCurrentValues); }
Verdict judge(const Profile& p, const measure::SchlechtimpulsWerte& w) { return judgeRecord(p, w, kBadPulses); }
Verdict judge(const Profile& p, const measure::DrehschwebungWerte& w) { return judgeRecord(p, w, kOscillation); }

Outcome outcomeOf(std::span<const Check> checks) {
    Outcome o = Outcome::Pass;
    for (const auto& c : checks) {
        if (c.result == CheckResult::Fail)
            return Outcome::Fail;
        if (c.result == CheckResult::NotJudged)
            o = Outcome::Incomplete;
    }
    return o;
}

Outcome unitOutcome(std::span<const Outcome> results) {
    Outcome o = Outcome::Pass;
    for (Outcome r : results) {
        if (r == Outcome::Fail)
            return Outcome::Fail;
        if (r == Outcome::Incomplete)
            o = Outcome::Incomplete;
    }
    return o;
}

const char* outcomeName(Outcome o) {
    switch (o) {
    case Outcome::Pass: return "PASS";
    case Outcome::Fail: return "FAIL";
    case Outcome::Incomplete: break;
    }
    return "INCOMPLETE";
}

const char* checkResultName(CheckResult r) {
    switch (r) {
    case CheckResult::Pass: return "PASS";
    case CheckResult::Fail: return "FAIL";
    case CheckResult::NotJudged: break;
    }
    return "NOT_JUDGED";
}

nlohmann::ordered_json verdictJson(const Verdict& v, std::string_view profileName) {
    auto number = [](const std::optional<double>& x) { return x ? jsonNumber(*x) : nlohmann::ordered_json(); };
    nlohmann::ordered_json checks = nlohmann::ordered_json::array();
    for (const auto& c : v.checks)
        checks.push_back({{"limit", limitInfo(c.limit).key},
                          {"value", number(c.value)},
                          {"min", number(c.min)},
                          {"max", number(c.max)},
                          {"result", checkResultName(c.result)}});
    return {{"result", outcomeName(v.result)}, {"profile", std::string(profileName)}, {"checks", std::move(checks)}};
}

std::string checkLine(const Check& c, std::string_view sprache) {
    const int e = sprache == "E" ? 1 : 0;
    const LimitText& t = kTexts[static_cast<std::size_t>(c.limit)];
    const std::string label = t.label[e];
    auto withUnit = [&](double x) { return numberText(x) + (*t.unit[e] ? std::string(" ") + t.unit[e] : ""); };
    auto bounds = [&] {
        if (c.min && c.max)
            return *c.min == *c.max ? withUnit(*c.max) : numberText(*c.min) + " … " + withUnit(*c.max);
        if (c.max)
            return "≤ " + withUnit(*c.max);
        return c.min ? "≥ " + withUnit(*c.min) : std::string();
    };
    if (!c.value)
        return label + (e ? ": no measured value" : ": kein Messwert");
    if (c.code)
        return label + (e ? ": code " : ": Code ") + numberText(*c.value) +
               (e ? " cannot be judged" : " nicht bewertbar");
    const std::string value = label + " " + withUnit(*c.value);
    switch (c.result) {
    case CheckResult::Pass: {
        const std::string b = bounds();
        return b.empty() ? value : value + " (" + b + ")";
    }
    case CheckResult::NotJudged:
        return value + (e ? " outside " : " außerhalb ") + bounds() + (e ? ", not judged" : ", nicht bewertet");
    case CheckResult::Fail: break;
    }
    if (c.min && c.max && *c.min == *c.max)
        return value + " ≠ " + withUnit(*c.max);
    if (c.max && *c.value > *c.max)
        return value + " > " + withUnit(*c.max);
    return value + " < " + withUnit(c.min.value_or(0));
}

std::vector<std::string> checkLines(const Verdict& v, std::string_view sprache) {
    std::vector<std::string> lines;
    for (const auto& c : v.checks)
        if (c.result != CheckResult::Pass)
            lines.push_back(checkLine(c, sprache));
    return lines;
}

} // namespace kav::verdict
