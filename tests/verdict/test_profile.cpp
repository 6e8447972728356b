// Reading, refusing and storing profiles; names made safe for the file system.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "profile_store.h"
#include "safe_name.h"
#include "trend_limits.h"

namespace kav::verdict {
namespace {

namespace fs = std::filesystem;

const char kExample[] = R"({
  "name": "Geber 1024 TTL",
  "pulses": 1024,
  "speed_rpm": [100, 6000],
  "supply_voltage_v": [4.75, 5.25],
  "current_ma_max": 150,
  "symmetry0_pct": [-5, 5],
  "symmetry90_pct": [-5, 5],
  "phase_pct": [-5, 5],
  "track_error_allowed": false,
  "bad_pulses_max": 0,
  "bad_pulse_deviation_pct_max": 10,
  "oscillation_pp_arcsec_max": 300
}
)";

TEST(Profile, ReadsEveryKeyAndWritesTheSameFile) {
    const ProfileResult r = parseProfile(kExample, "g.json");
    ASSERT_TRUE(r.ok()) << profileErrorText(r.error, "E");
    const Profile& p = *r.profile;
    EXPECT_EQ(p.name, "Geber 1024 TTL");
    EXPECT_EQ(p[Limit::Pulses], (Range{1024.0, 1024.0}));
    EXPECT_EQ(p[Limit::SupplyVoltageV], (Range{4.75, 5.25}));
    EXPECT_EQ(p[Limit::CurrentMaMax], (Range{std::nullopt, 150.0}));
    EXPECT_EQ(p[Limit::TrackErrorAllowed], (Range{std::nullopt, 0.0}));
    EXPECT_EQ(profileText(p), kExample);
}

TEST(Profile, OnlyTheNameIsNeeded) {
    const ProfileResult r = parseProfile(R"({"name": "n", "track_error_allowed": true})", "n.json");
    ASSERT_TRUE(r.ok());
    for (const auto& info : limitTable())
        EXPECT_EQ(r.profile->limits[static_cast<std::size_t>(info.limit)].has_value(),
                  info.limit == Limit::TrackErrorAllowed)
            << info.key;
}

TEST(Profile, RefusesBadFilesNamingTheKey) {
    struct Row {
        const char* text;
        ProfileProblem problem;
        const char* key;
    };
    const Row rows[] = {
        {R"({"name": "n", )", ProfileProblem::InvalidJson, ""},
        {R"(["name"])", ProfileProblem::InvalidJson, ""},
        {R"({"name": "n", "speed_rmp": [1, 2]})", ProfileProblem::UnknownKey, "speed_rmp"},
        {R"({"name": "n", "pulses": "1024"})", ProfileProblem::WrongType, "pulses"},
        {R"({"name": "n", "pulses": 1024.5})", ProfileProblem::WrongType, "pulses"},
        {R"({"name": "n", "speed_rpm": [100]})", ProfileProblem::WrongType, "speed_rpm"},
        {R"({"name": "n", "speed_rpm": [100, "6000"]})", ProfileProblem::WrongType, "speed_rpm"},
        {R"({"name": "n", "current_ma_max": [150]})", ProfileProblem::WrongType, "current_ma_max"},
        {R"({"name": "n", "track_error_allowed": 0})", ProfileProblem::WrongType, "track_error_allowed"},
        {R"({"name": "n", "bad_pulses_max": 0.5})", ProfileProblem::WrongType, "bad_pulses_max"},
        {R"({"name": 5})", ProfileProblem::WrongType, "name"},
        {R"({"name": "n", "phase_pct": [6, 5]})", ProfileProblem::MinAboveMax, "phase_pct"},
        {R"({"pulses": 1024})", ProfileProblem::MissingName, "name"},
        {R"({"name": ""})", ProfileProblem::MissingName, "name"},
    };
    for (const Row& row : rows) {
        const ProfileResult r = parseProfile(row.text, "p.json");
        EXPECT_FALSE(r.ok()) << row.text;
        EXPECT_EQ(r.error.problem, row.problem) << row.text;
        EXPECT_EQ(r.error.key, row.key) << row.text;
    }
    // A range of one point is no error.
    EXPECT_TRUE(parseProfile(R"({"name": "n", "phase_pct": [5, 5]})", "p.json").ok());
}

TEST(Profile, RefusalTextNamesFileAndKey) {
    const ProfileError e = parseProfile(R"({"name": "n", "speed_rpm": [6000, 100]})", "a/g.json").error;
    EXPECT_EQ(profileErrorText(e, "D"), "Prüfprofil \"a/g.json\": Schlüssel \"speed_rpm\": min 6000 > max 100.");
    EXPECT_EQ(profileErrorText(e, "E"), "Test profile \"a/g.json\": key \"speed_rpm\": min 6000 > max 100.");
    const ProfileError t = parseProfile(R"({"name": "n", "pulses": true})", "g.json").error;
    EXPECT_EQ(profileErrorText(t, "E"),
              "Test profile \"g.json\": key \"pulses\": wrong type, expected a whole number.");
}

TEST(ProfileStore, SavesListsLoadsAndRemoves) {
    const fs::path folder = fs::temp_directory_path() / "kav_verdict_store" / "profiles";
    fs::remove_all(folder.parent_path());
    const ProfileStore store(folder);
    EXPECT_TRUE(store.list().empty()) << "a missing folder holds no profiles";

    Profile b = *parseProfile(kExample, "x").profile;
    Profile a{"A/1", {}};
    ASSERT_EQ(store.save(b), records::DateiFehler::Keiner);
    ASSERT_EQ(store.save(a), records::DateiFehler::Keiner);
    std::ofstream(folder / "notes.txt") << "not a profile";

    const auto listed = store.list();
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(listed[0], (StoredProfile{"A_1", folder / "A_1.json"}));
    EXPECT_EQ(listed[1].name, "Geber 1024 TTL");

    EXPECT_EQ(store.load("Geber 1024 TTL").profile, b);
    EXPECT_EQ(store.load((folder / "A_1.json").string()).profile, a) << "a FILE.json path";
    EXPECT_EQ(store.load("fehlt").error.problem, ProfileProblem::Unreadable);

    EXPECT_TRUE(store.remove("A/1"));
    EXPECT_FALSE(store.remove("A/1"));
    EXPECT_EQ(store.list().size(), 1u);
    fs::remove_all(folder.parent_path());
}

TEST(SafeFileName, NeverAPathOfItsOwn) {
    const std::pair<const char*, const char*> rows[] = {
        {"12345678", "12345678"}, {"../x", "_x"},          {"..", "-"},     {"", "-"},
        {" 12 .", "12"},          {"a/b\\c:d", "a_b_c_d"}, {"CON", "_CON"}, {"com1.txt", "_com1.txt"},
        {"COM10", "COM10"},       {"\x80\x01z", "__z"},
    };
    for (const auto& [in, out] : rows)
        EXPECT_EQ(safeFileName(in, "-"), out) << in;
}

} // namespace
} // namespace kav::verdict

namespace kav::verdict {
namespace {

// The trend's bands: each series from its limit, one-sided limits stay
// one-sided, a series without a limit (frequency) has no band.
TEST(Profile, TrendBandsFollowTheLimits) {
    const ProfileResult r = parseProfile(
        R"({"name": "n", "speed_rpm": [100, 6000], "current_ma_max": 150, "phase_pct": [-5, 5]})", "n.json");
    ASSERT_TRUE(r.ok());
    const auto g = trendGrenzen(*r.profile);
    using measure::TrendReihe;
    EXPECT_EQ(g[measure::index(TrendReihe::Drehzahl)].min, 100);
    EXPECT_EQ(g[measure::index(TrendReihe::Drehzahl)].max, 6000);
    EXPECT_FALSE(g[measure::index(TrendReihe::Stromaufnahme)].min);
    EXPECT_EQ(g[measure::index(TrendReihe::Stromaufnahme)].max, 150);
    EXPECT_EQ(g[measure::index(TrendReihe::Phasenlage)].min, -5);
    EXPECT_FALSE(g[measure::index(TrendReihe::Frequenz)].max);
    EXPECT_FALSE(g[measure::index(TrendReihe::Versorgungsspannung)].min);
}

} // namespace
} // namespace kav::verdict
