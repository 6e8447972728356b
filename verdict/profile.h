#pragma once
// A tolerance profile: the limits of one encoder type, read from one JSON
// file. Every limit is optional (a missing one is not judged); ranges are
// inclusive. A file with a typo in a key, a wrong type or a range whose
// minimum lies above its maximum is refused as a whole, so a misspelt key
// never silently switches a limit off.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kav::verdict {

// The limits, in the order a profile file lists them.
enum class Limit {
    Pulses,
    SpeedRpm,
    SupplyVoltageV,
    CurrentMaMax,
    Symmetry0Pct,
    Symmetry90Pct,
    PhasePct,
    TrackErrorAllowed,
    BadPulsesMax,
    BadPulseDeviationPctMax,
    OscillationPpArcsecMax,
};
inline constexpr std::size_t kLimitCount = 11;

// How a limit is written in the file.
enum class LimitShape {
    ExactInteger, // "pulses": 1024 -> [1024, 1024]
    Range,        // "speed_rpm": [100, 6000]
    Maximum,      // "current_ma_max": 150 -> [none, 150]
    MaximumCount, // "bad_pulses_max": 0 (a whole number)
    Allowed,      // "track_error_allowed": false -> [none, 0]; true -> no bound
};

// Which result types a limit judges (bit 1 << type).
inline constexpr unsigned kCurrentValues = 1u << 1;
inline constexpr unsigned kBadPulses = 1u << 2;
inline constexpr unsigned kOscillation = 1u << 3;

struct LimitInfo {
    Limit limit;
    const char* key;
    LimitShape shape;
    unsigned types; // the result types it applies to
};

const LimitInfo& limitInfo(Limit limit);
const std::array<LimitInfo, kLimitCount>& limitTable();

// An inclusive range; a missing end is no bound.
struct Range {
    std::optional<double> min;
    std::optional<double> max;

    bool operator==(const Range&) const = default;
};

struct Profile {
    std::string name;
    std::array<std::optional<Range>, kLimitCount> limits{};

    const std::optional<Range>& operator[](Limit l) const { return limits[static_cast<std::size_t>(l)]; }
    std::optional<Range>& operator[](Limit l) { return limits[static_cast<std::size_t>(l)]; }
    bool operator==(const Profile&) const = default;
};

// Why a profile file was refused.
enum class ProfileProblem {
    None,
    Unreadable,  // the file could not be read
    InvalidJson, // not JSON, or not one object
    UnknownKey,
    WrongType,
    MinAboveMax,
    MissingName,
};

struct ProfileError {
    ProfileProblem problem = ProfileProblem::None;
    std::string file; // as the caller named it
    std::string key;  // the key at fault ("" for the whole file)
    std::string detail;

    bool operator==(const ProfileError&) const = default;
};

struct ProfileResult {
    std::optional<Profile> profile; // set only when the file was accepted
    ProfileError error;

    bool ok() const { return profile.has_value(); }
};

// Takes one profile file's text apart; `file` names it in the error.
ProfileResult parseProfile(std::string_view text, std::string_view file);

// The profile as its file holds it (keys in file order, two-space indents).
std::string profileText(const Profile& profile);

// The refusal as one line naming the file and the key, in "D" or "E".
std::string profileErrorText(const ProfileError& error, std::string_view sprache);

} // namespace kav::verdict
