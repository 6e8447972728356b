#pragma once
// Judging a result against a profile. Each result type is judged only on the
// limits that apply to it; a limit the profile leaves out is not judged and
// not listed. The speed window is a condition of the measurement, not a
// quality: outside it the speed check is NOT_JUDGED, never FAIL. A
// percentage byte holding a status code cannot be judged either.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "profile.h"
#include "result_records.h"

namespace kav::verdict {

enum class Outcome { Pass, Fail, Incomplete };
enum class CheckResult { Pass, Fail, NotJudged };

struct Check {
    Limit limit{};
    // The judged quantity (a percentage as signed percent, the bad-pulse
    // deviation as the larger magnitude, the oscillation as MaxWert -
    // MinWert); a status code when `code`; nullopt when there is none.
    std::optional<double> value;
    bool code = false;
    std::optional<double> min; // nullopt: no lower bound
    std::optional<double> max; // nullopt: no upper bound
    CheckResult result = CheckResult::NotJudged;

    bool operator==(const Check&) const = default;
};

struct Verdict {
    Outcome result = Outcome::Pass;
    std::vector<Check> checks; // in the profile file's key order

    bool operator==(const Verdict&) const = default;
};

Verdict judge(const Profile& profile, const measure::AktuellWerte& w);
Verdict judge(const Profile& profile, const measure::SchlechtimpulsWerte& w);
Verdict judge(const Profile& profile, const measure::DrehschwebungWerte& w);

// PASS when every check passes, FAIL when one fails, else INCOMPLETE.
Outcome outcomeOf(std::span<const Check> checks);
// The unit as a whole: PASS only when every result is PASS; FAIL when any
// is FAIL; otherwise INCOMPLETE.
Outcome unitOutcome(std::span<const Outcome> results);

// "PASS", "FAIL", "INCOMPLETE"; "PASS", "FAIL", "NOT_JUDGED".
const char* outcomeName(Outcome o);
const char* checkResultName(CheckResult r);

// {"result", "profile", "checks": [{"limit", "value", "min", "max", "result"}…]}
nlohmann::ordered_json verdictJson(const Verdict& v, std::string_view profileName);

// One line per check that did not pass, in "D" or "E", for the result band
// and the printout: "Drehzahl 7000 1/min > 6000 1/min", "Symmetrie 0: Code 110
// nicht bewertbar".
std::vector<std::string> checkLines(const Verdict& v, std::string_view sprache);
// The line of one check (also of a passing one: "Impulszahl 1024 = 1024").
std::string checkLine(const Check& c, std::string_view sprache);

} // namespace kav::verdict
