#pragma once
// kavctl's tolerance profiles: where the user's profiles live, loading the
// one --profile names, judging a result with it, and "profile check" /
// "profile list".
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

#include "judge.h"
#include "kavctl_options.h"
#include "profile.h"
#include "record_file.h"

namespace kav::kavctl {

// Loads --profile (a NAME of `folder` or a FILE.json): 0; 66 it cannot be
// read; 65 it is refused (the reason, naming file and key, on `err`).
int loadProfile(const std::string& nameOrFile, const std::filesystem::path& folder, const std::string& sprache,
                std::ostream& err, verdict::Profile& profile);

// The verdict on a record; none for a record of no result type.
std::optional<verdict::Verdict> judgeRecord(const verdict::Profile& profile, const records::Datensatz& record);

// 0 for PASS, 1 for FAIL and INCOMPLETE.
int verdictExit(verdict::Outcome o);

// "profile check FILE.json" (0, or 65/66 with the reason) and "profile list"
// (a JSON array of {"name", "path"} of `folder`).
int profileCommand(const Options& options, const std::filesystem::path& folder, std::ostream& out, std::ostream& err);

// What main does with profiles before any other command: "profile check" and
// "profile list" (their exit code), loading --profile into
// options.measure.profile (-1 when it loaded or none was given; 65 or 66
// when refused).
int profileStep(int argc, char* argv[], Options& options, std::ostream& out, std::ostream& err);

} // namespace kav::kavctl
