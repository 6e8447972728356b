#pragma once
// The guided test run: current values, bad pulses and rotational oscillation,
// in that order, each judged against one profile, the unit judged as a whole,
// and the three results with their protocol kept in one folder per run:
// <folder>/<encoder serial>/<YYYY-MM-DD_HH-MM-SS>/. The measurements
// themselves are the step runner's (the window's cycle, kavctl's, a fake in
// tests); the protocol's drawing is the protocol writer's.
#include <array>
#include <atomic>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "clock.h"
#include "judge.h"
#include "profile.h"
#include "result_records.h"

namespace kav::verdict {

enum class Step { CurrentValues, BadPulses, Oscillation };
inline constexpr int kStepCount = 3;

using StepRecord =
    std::variant<std::monostate, measure::AktuellWerte, measure::SchlechtimpulsWerte, measure::DrehschwebungWerte>;

// What one step gave: a result, or why there is none.
struct StepOutcome {
    StepRecord record;         // the step's record type; monostate when it failed
    std::string encoderSerial; // as the device sent it (Windows-1252); may be empty
    std::string failure;       // device error, time-out … (UTF-8)
    bool cancelled = false;    // the runner stopped because the run was cancelled
};

class StepRunner {
public:
    virtual ~StepRunner() = default;
    virtual StepOutcome run(Step step) = 0;
};

enum class RunResult { Pass, Fail, Incomplete, Error, Cancelled };
// "PASS", "FAIL", "INCOMPLETE", "ERROR", "CANCELLED".
const char* runResultName(RunResult r);

// What the protocol shows.
struct RunReport {
    Profile profile;
    std::string encoderSerial; // Windows-1252, as read
    std::string deviceSerial;
    std::string firmware;
    LocalTime time; // the run's start
    measure::AktuellWerte current;
    measure::SchlechtimpulsWerte badPulses;
    measure::DrehschwebungWerte oscillation;
    std::array<Verdict, kStepCount> verdicts{}; // in step order
    Outcome unit = Outcome::Pass;
};

struct RunIdentity {
    std::string encoderSerial; // used when no step reports one
    std::string deviceSerial;
    std::string firmware;
};

struct RunCallbacks {
    // Before each step, with its number (1-3) of kStepCount: the operator's
    // instruction. false cancels the run.
    std::function<bool(Step step, int n, int total)> prompt;
    // A step begins.
    std::function<void(Step step, int n, int total)> progress;
    // Writes the protocol of a complete run to `file`; returns "" or why it failed.
    std::function<std::string(const RunReport& report, const std::filesystem::path& file)> writeProtocol;
};

struct RunOutcome {
    RunResult result = RunResult::Error;
    std::optional<Step> failedStep; // with ERROR
    std::string failure;            // with ERROR: the step's reason
    RunReport report;               // complete when all three steps have a result
    std::filesystem::path folder;   // the run's folder, once written
    std::vector<std::filesystem::path> files;
    std::string writeError; // a run judged but not kept (nothing is left behind)
};

// The file names inside a run's folder.
inline constexpr const char* kRunFiles[] = {"Aktuell.kav", "Schlechtimpulse.kav", "Drehschwebung.kav",
                                            "Protokoll.pdf"};

class TestRun {
public:
    TestRun(Profile profile, StepRunner& runner, Clock& clock)
        : profile_(std::move(profile)), runner_(runner), clock_(clock) {}

    // Runs the three steps; with `folder`, keeps the results of a run whose
    // three steps all have a result. A cancel, an ERROR or a failed write
    // leaves no folder of the run behind.
    RunOutcome run(const RunIdentity& identity, const std::optional<std::filesystem::path>& folder,
                   const RunCallbacks& callbacks);

    // May be called from a prompt, from the runner or from another thread;
    // the run stops before its next step.
    void cancel() { cancelled_ = true; }
    bool cancelRequested() const { return cancelled_; }

private:
    Profile profile_;
    StepRunner& runner_;
    Clock& clock_;
    std::atomic<bool> cancelled_{false};
};

// "2008-03-07_09-05-00"
std::string runFolderName(const LocalTime& t);

} // namespace kav::verdict
