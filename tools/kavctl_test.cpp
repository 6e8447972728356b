#include "kavctl_test.h"

#include "ansi_utf8.h"
#include "com_usb.h"
#include "device_call.h"
#include "device_header.h"
#include "json_writer.h"
#include "kavctl_archive.h"
#include "kavctl_exit.h"
#include "kavctl_measure.h"
#include "result_json.h"
#include "test_run.h"

namespace kav::kavctl {

namespace {

constexpr const char* kStepKeys[] = {"current", "badpulses", "oscillation"};

// Each step is one `measure` of its type.
class MeasureSteps final : public verdict::StepRunner {
public:
    MeasureSteps(Messplatz& platz, const ComUSB& link) : platz_(platz), link_(link) {}

    verdict::StepOutcome run(verdict::Step step) override {
        const Messplatz::Messung m = platz_.messen(static_cast<int>(step) + 1);
        verdict::StepOutcome o;
        o.encoderSerial = records::getrimmt(m.geber);
        if (m.code == kExitOk) {
            o.record = m.ergebnis;
            ++done;
        } else if (link_.linkLost()) {
            o.failure = "the converter vanished; the link is lost";
        } else {
            o.failure = platz_.host().letzteMeldung.empty() ? "the measurement failed" : platz_.host().letzteMeldung;
        }
        return o;
    }

    int done = 0; // steps with a result

private:
    Messplatz& platz_;
    const ComUSB& link_;
};

std::string pathText(const std::filesystem::path& p) {
    const std::u8string s = p.u8string();
    return {s.begin(), s.end()};
}

} // namespace

int runTest(const Options& o, ComUSB& link, std::ostream& out, std::ostream& err) {
    const verdict::Profile& profile = *o.measure.profile;
    // The protocol and the files carry the device's identity.
    const Aufruf firmware = wertLesen(link, wert::Firmware, "S");
    const Aufruf seriennummer = wertLesen(link, wert::GeraetSN, "S");
    if (!firmware.ok() || !seriennummer.ok()) {
        err << "kavctl: the device's firmware and serial number could not be read\n";
        return link.linkLost() ? kExitNoLink : kExitFailed;
    }
    const verdict::RunIdentity identity{{}, records::getrimmt(seriennummer.text), records::getrimmt(firmware.text)};

    Messplatz platz(link, err, o.trace, o.lang);
    MeasureSteps steps(platz, link);
    verdict::TestRun run(profile, steps, link.clock());
    verdict::RunCallbacks callbacks;
    callbacks.writeProtocol = o.protocolWriter;
    std::optional<std::filesystem::path> folder;
    if (!o.outDir.empty())
        folder = std::filesystem::path(std::u8string(o.outDir.begin(), o.outDir.end()));
    const verdict::RunOutcome r = run.run(identity, folder, callbacks);

    // The results the run has, each with its verdict; a step not reached is null.
    const verdict::RunReport& rep = r.report;
    const measure::Translator text = [&](const std::string& d) { return platz.host().sprachText(d); };
    json::Json results = json::Json::object();
    for (int i = 0; i < verdict::kStepCount; ++i) {
        json::Json one;
        if (i < steps.done) {
            one = i == 0   ? measure::resultObject(rep.current, rep.encoderSerial, text)
                  : i == 1 ? measure::resultObject(rep.badPulses, rep.encoderSerial, text)
                           : measure::resultObject(rep.oscillation, rep.encoderSerial, text);
            one["verdict"] = verdict::verdictJson(rep.verdicts[static_cast<std::size_t>(i)], profile.name);
        }
        results[kStepKeys[i]] = std::move(one);
    }
    json::Json urteil = {{"result", verdict::runResultName(r.result)}};
    if (r.failedStep) {
        urteil["step"] = kStepKeys[static_cast<int>(*r.failedStep)];
        urteil["failure"] = r.failure;
    }
    json::Json files = json::Json::array();
    for (const auto& f : r.files)
        files.push_back(pathText(f));
    const json::Json object = {{"profile", profile.name},
                               {"encoder_serial", ansiToUtf8(rep.encoderSerial)},
                               {"device_serial", ansiToUtf8(identity.deviceSerial)},
                               {"results", std::move(results)},
                               {"verdict", std::move(urteil)},
                               {"files", std::move(files)}};
    out << json::block(object) << '\n' << std::flush;

    // With --archive every step's result goes into it, with the profile and its verdict.
    int archivCode = kExitOk;
    records::KopfTexte kopf;
    kopf.firmware = identity.firmware;
    kopf.geraetSN = identity.deviceSerial;
    kopf.geberSN = rep.encoderSerial;
    for (int i = 0; i < steps.done && archivCode == kExitOk; ++i) {
        const records::Datensatz d = i == 0   ? records::Datensatz{rep.current}
                                     : i == 1 ? records::Datensatz{rep.badPulses}
                                              : records::Datensatz{rep.oscillation};
        archivCode = ergebnisArchivieren({o.measure.archive, archive::Source::Online, profile.name,
                                          verdict::outcomeName(rep.verdicts[static_cast<std::size_t>(i)].result)},
                                         d, kopf, rep.time, err);
    }

    if (r.result == verdict::RunResult::Error) {
        err << "kavctl: test run: " << kStepKeys[static_cast<int>(r.failedStep.value_or(verdict::Step::CurrentValues))]
            << ": " << r.failure << '\n';
        return link.linkLost() ? kExitNoLink : kExitFailed;
    }
    if (!r.writeError.empty()) {
        err << "kavctl: the run was not kept: " << r.writeError << '\n';
        return kExitCantCreate;
    }
    if (archivCode != kExitOk)
        return archivCode;
    return r.result == verdict::RunResult::Pass ? kExitOk : kExitVerdict;
}

} // namespace kav::kavctl
