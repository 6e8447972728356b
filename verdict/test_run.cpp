#include "test_run.h"

#include <cstdio>
#include <system_error>

#include "atomic_file.h"
#include "record_file.h"
#include "safe_name.h"

namespace kav::verdict {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kNoSerial = "ohne_Seriennummer";
// The record names the three files carry (at most 10 characters).
constexpr const char* kRecordNames[] = {"Aktuell", "Impulse", "Schwebung"};

// Why a run's folder could not be written.
std::string writeFailure(const fs::path& file, const std::string& why) { return file.string() + ": " + why; }

const char* fileErrorText(records::DateiFehler f) {
    switch (f) {
    case records::DateiFehler::Keiner: return "";
    case records::DateiFehler::NichtGefunden: return "folder not found";
    case records::DateiFehler::IstOrdner: return "is a folder";
    case records::DateiFehler::KeineRechte: return "no permission";
    case records::DateiFehler::KeinPlatz: return "disk full";
    case records::DateiFehler::UngueltigerName: return "invalid name";
    case records::DateiFehler::EAFehler: break;
    }
    return "input/output error";
}

// Writes the run into `temp`; returns "" or why it failed.
std::string writeFiles(const RunReport& r, const fs::path& temp, const RunCallbacks& cb) {
    std::error_code ec;
    if (!fs::create_directories(temp, ec) || ec)
        return writeFailure(temp, ec ? ec.message() : "exists already");
    const records::KopfTexte kopf[] = {
        {r.firmware, r.encoderSerial, r.deviceSerial, kRecordNames[0]},
        {r.firmware, r.encoderSerial, r.deviceSerial, kRecordNames[1]},
        {r.firmware, r.encoderSerial, r.deviceSerial, kRecordNames[2]},
    };
    const records::Dateiinhalt contents[] = {
        records::DateiSchreiben1(r.current, kopf[0], r.time),
        records::DateiSchreiben2(r.badPulses, kopf[1], r.time, true),
        records::DateiSchreiben3(r.oscillation, kopf[2], r.time),
    };
    for (int i = 0; i < kStepCount; ++i) {
        const fs::path file = temp / kRunFiles[i];
        if (!contents[i].ok())
            return writeFailure(file, "record cannot be written");
        if (const auto f = records::atomarSchreiben(file, contents[i].bytes); f != records::DateiFehler::Keiner)
            return writeFailure(file, fileErrorText(f));
    }
    const fs::path protocol = temp / kRunFiles[kStepCount];
    if (!cb.writeProtocol)
        return writeFailure(protocol, "no protocol writer");
    if (std::string why = cb.writeProtocol(r, protocol); !why.empty())
        return writeFailure(protocol, why);
    return {};
}

// Keeps the run in <folder>/<serial>/<time>/: written beside it under a
// temporary name and renamed at the end, so no half-written run stays.
void keep(RunOutcome& out, const fs::path& folder, const RunCallbacks& cb) {
    std::error_code ec;
    const fs::path unit = folder / safeFileName(out.report.encoderSerial, kNoSerial);
    const bool unitIsNew = !fs::exists(unit, ec);
    const std::string stamp = runFolderName(out.report.time);
    const fs::path temp = unit / ("." + stamp + ".tmp");
    fs::remove_all(temp, ec);

    out.writeError = writeFiles(out.report, temp, cb);
    if (out.writeError.empty()) {
        // Two runs within one second get a number.
        fs::path target = unit / stamp;
        for (int n = 2; fs::exists(target, ec) && n < 100; ++n)
            target = unit / (stamp + "_" + std::to_string(n));
        fs::rename(temp, target, ec);
        if (ec) {
            out.writeError = writeFailure(target, ec.message());
        } else {
            out.folder = target;
            for (const char* name : kRunFiles)
                out.files.push_back(target / name);
            return;
        }
    }
    fs::remove_all(temp, ec);
    if (unitIsNew)
        fs::remove(unit, ec); // only when empty: another run's folder stays
}

} // namespace

const char* runResultName(RunResult r) {
    switch (r) {
    case RunResult::Pass: return "PASS";
    case RunResult::Fail: return "FAIL";
    case RunResult::Incomplete: return "INCOMPLETE";
    case RunResult::Error: return "ERROR";
    case RunResult::Cancelled: break;
    }
    return "CANCELLED";
}

std::string runFolderName(const LocalTime& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d_%02d-%02d-%02d", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
    return text;
}

RunOutcome TestRun::run(const RunIdentity& identity, const std::optional<fs::path>& folder, const RunCallbacks& cb) {
    RunOutcome out;
    RunReport& r = out.report;
    r.profile = profile_;
    r.deviceSerial = identity.deviceSerial;
    r.firmware = identity.firmware;
    r.time = clock_.localTime();

    for (int i = 0; i < kStepCount; ++i) {
        const Step step = static_cast<Step>(i);
        if (cancelled_ || (cb.prompt && !cb.prompt(step, i + 1, kStepCount)) || cancelled_) {
            out.result = RunResult::Cancelled;
            return out;
        }
        if (cb.progress)
            cb.progress(step, i + 1, kStepCount);
        StepOutcome s = runner_.run(step);
        if (s.cancelled || cancelled_) {
            out.result = RunResult::Cancelled;
            return out;
        }
        if (r.encoderSerial.empty())
            r.encoderSerial = s.encoderSerial;
        bool filled = false;
        if (auto* w = std::get_if<measure::AktuellWerte>(&s.record); w && step == Step::CurrentValues) {
            r.current = *w;
            r.verdicts[i] = judge(profile_, *w);
            filled = true;
        } else if (auto* w = std::get_if<measure::SchlechtimpulsWerte>(&s.record); w && step == Step::BadPulses) {
            r.badPulses = *w;
            r.verdicts[i] = judge(profile_, *w);
            filled = true;
        } else if (auto* w = std::get_if<measure::DrehschwebungWerte>(&s.record); w && step == Step::Oscillation) {
            r.oscillation = *w;
            r.verdicts[i] = judge(profile_, *w);
            filled = true;
        }
        if (!filled) {
            out.result = RunResult::Error;
            out.failedStep = step;
            out.failure = s.failure.empty() ? std::string("no result") : s.failure;
            return out;
        }
    }
    if (r.encoderSerial.empty())
        r.encoderSerial = identity.encoderSerial;

    const std::array<Outcome, kStepCount> outcomes{r.verdicts[0].result, r.verdicts[1].result, r.verdicts[2].result};
    r.unit = unitOutcome(outcomes);
    out.result = r.unit == Outcome::Pass   ? RunResult::Pass
                 : r.unit == Outcome::Fail ? RunResult::Fail
                                           : RunResult::Incomplete;
    if (folder)
        keep(out, *folder, cb);
    return out;
}

} // namespace kav::verdict
