#include "profile.h"

#include <nlohmann/json.hpp>

#include "json_number.h"

namespace kav::verdict {

namespace {

using Json = nlohmann::json;

constexpr unsigned kAll = kCurrentValues | kBadPulses | kOscillation;

constexpr std::array<LimitInfo, kLimitCount> kLimits{{
    {Limit::Pulses, "pulses", LimitShape::ExactInteger, kAll},
    {Limit::SpeedRpm, "speed_rpm", LimitShape::Range, kAll},
    {Limit::SupplyVoltageV, "supply_voltage_v", LimitShape::Range, kCurrentValues},
    {Limit::CurrentMaMax, "current_ma_max", LimitShape::Maximum, kCurrentValues},
    {Limit::Symmetry0Pct, "symmetry0_pct", LimitShape::Range, kCurrentValues},
    {Limit::Symmetry90Pct, "symmetry90_pct", LimitShape::Range, kCurrentValues},
    {Limit::PhasePct, "phase_pct", LimitShape::Range, kCurrentValues},
    {Limit::TrackErrorAllowed, "track_error_allowed", LimitShape::Allowed, kCurrentValues},
    {Limit::BadPulsesMax, "bad_pulses_max", LimitShape::MaximumCount, kBadPulses},
    {Limit::BadPulseDeviationPctMax, "bad_pulse_deviation_pct_max", LimitShape::Maximum, kBadPulses},
    {Limit::OscillationPpArcsecMax, "oscillation_pp_arcsec_max", LimitShape::Maximum, kOscillation},
}};

const LimitInfo* findKey(std::string_view key) {
    for (const auto& info : kLimits)
        if (key == info.key)
            return &info;
    return nullptr;
}

// The value of one key as a range, or nullopt when its type is wrong.
std::optional<Range> readLimit(LimitShape shape, const Json& v) {
    switch (shape) {
    case LimitShape::ExactInteger:
        if (!v.is_number_integer())
            return std::nullopt;
        return Range{v.get<double>(), v.get<double>()};
    case LimitShape::Range:
        if (!v.is_array() || v.size() != 2 || !v[0].is_number() || !v[1].is_number())
            return std::nullopt;
        return Range{v[0].get<double>(), v[1].get<double>()};
    case LimitShape::Maximum:
        if (!v.is_number())
            return std::nullopt;
        return Range{std::nullopt, v.get<double>()};
    case LimitShape::MaximumCount:
        if (!v.is_number_integer())
            return std::nullopt;
        return Range{std::nullopt, v.get<double>()};
    case LimitShape::Allowed:
        if (!v.is_boolean())
            return std::nullopt;
        return v.get<bool>() ? Range{} : Range{std::nullopt, 0.0};
    }
    return std::nullopt;
}

ProfileResult refused(ProfileProblem problem, std::string_view file, std::string key, std::string detail = {}) {
    ProfileResult r;
    r.error = {problem, std::string(file), std::move(key), std::move(detail)};
    return r;
}

} // namespace

const std::array<LimitInfo, kLimitCount>& limitTable() { return kLimits; }
const LimitInfo& limitInfo(Limit limit) { return kLimits[static_cast<std::size_t>(limit)]; }

ProfileResult parseProfile(std::string_view text, std::string_view file) {
    Json doc;
    try {
        doc = Json::parse(text);
    } catch (const Json::parse_error& e) {
        return refused(ProfileProblem::InvalidJson, file, "", std::to_string(e.byte));
    }
    if (!doc.is_object())
        return refused(ProfileProblem::InvalidJson, file, "");

    Profile p;
    bool named = false;
    for (const auto& [key, value] : doc.items()) {
        if (key == "name") {
            if (!value.is_string())
                return refused(ProfileProblem::WrongType, file, key);
            p.name = value.get<std::string>();
            named = !p.name.empty();
            continue;
        }
        const LimitInfo* info = findKey(key);
        if (!info)
            return refused(ProfileProblem::UnknownKey, file, key);
        auto range = readLimit(info->shape, value);
        if (!range)
            return refused(ProfileProblem::WrongType, file, key);
        if (range->min && range->max && *range->min > *range->max)
            return refused(ProfileProblem::MinAboveMax, file, key,
                           "min " + numberText(*range->min) + " > max " + numberText(*range->max));
        p[info->limit] = range;
    }
    if (!named)
        return refused(ProfileProblem::MissingName, file, "name");
    ProfileResult r;
    r.profile = std::move(p);
    return r;
}

std::string profileText(const Profile& profile) {
    // One key a line, a range on its line, as people write these files.
    std::string text = "{\n  \"name\": " + nlohmann::json(profile.name).dump();
    for (const auto& info : kLimits) {
        const auto& range = profile[info.limit];
        if (!range)
            continue;
        text += ",\n  \"" + std::string(info.key) + "\": ";
        switch (info.shape) {
        case LimitShape::Range:
            text += "[" + numberText(range->min.value_or(0)) + ", " + numberText(range->max.value_or(0)) + "]";
            break;
        case LimitShape::Allowed: text += range->max ? "false" : "true"; break;
        default: text += numberText(range->max.value_or(0)); break;
        }
    }
    return text + "\n}\n";
}

std::string profileErrorText(const ProfileError& e, std::string_view sprache) {
    const bool de = sprache != "E";
    const std::string head = (de ? "Prüfprofil \"" : "Test profile \"") + e.file + "\": ";
    const std::string key = "\"" + e.key + "\"";
    switch (e.problem) {
    case ProfileProblem::None: return {};
    case ProfileProblem::Unreadable: return head + (de ? "Die Datei kann nicht gelesen werden." : "cannot be read.");
    case ProfileProblem::InvalidJson:
        if (e.detail.empty())
            return head + (de ? "kein JSON-Objekt." : "not a JSON object.");
        return head + (de ? "kein gültiges JSON (Zeichen " : "not valid JSON (byte ") + e.detail + ").";
    case ProfileProblem::UnknownKey: return head + (de ? "unbekannter Schlüssel " : "unknown key ") + key + ".";
    case ProfileProblem::MissingName:
        return head + (de ? "Schlüssel \"name\" fehlt oder ist leer." : "key \"name\" is missing or empty.");
    case ProfileProblem::MinAboveMax:
        return head + (de ? "Schlüssel " : "key ") + key + ": " + e.detail + ".";
    case ProfileProblem::WrongType: break;
    }
    // What the key takes instead.
    static constexpr const char* kExpected[][2] = {
        {"eine ganze Zahl", "a whole number"},
        {"[min, max] aus zwei Zahlen", "[min, max] of two numbers"},
        {"eine Zahl", "a number"},
        {"eine ganze Zahl", "a whole number"},
        {"true oder false", "true or false"},
    };
    const LimitInfo* info = findKey(e.key);
    const char* expected = info ? kExpected[static_cast<int>(info->shape)][de ? 0 : 1] : (de ? "ein Text" : "a text");
    return head + (de ? "Schlüssel " : "key ") + key + (de ? ": falscher Typ, erwartet " : ": wrong type, expected ") +
           expected + ".";
}

} // namespace kav::verdict
