#include "kavctl_measure.h"

#include <chrono>

#include "com_usb.h"
#include "device_call.h"
#include "device_header.h"
#include "kavctl_console.h"
#include "kavctl_files.h"
#include "kavctl_save.h"
#include "measurement_cycle.h"
#include "result_json.h"
#include "save_names.h"

namespace kav::kavctl {

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 3;

template <class Werte>
int einmal(measure::MeasurementCycle& cycle, ConsoleHost& host, Clock& clock, int typ, Ergebnis& letztes,
           std::string& geber, std::ostream& out, std::ostream& err) {
    const measure::Start start = typ == 1   ? cycle.DateiTyp1Live()
                                 : typ == 2 ? cycle.DateiTyp2Live()
                                            : cycle.DateiTyp3Live();
    if (start != measure::Start::Gestartet) {
        if (start == measure::Start::NichtGelistet) // the cycle writes only a debug line for it
            err << "kavctl: the device does not list " << measure::MeasurementCycle::startBefehl(typ) << '\n';
        return kExitFailed;
    }
    Werte live;
    for (;;) {
        clock.sleepFor(std::chrono::milliseconds(measure::kPollIntervalMs));
        const measure::PollResult tick = cycle.pollTick(live);
        if (tick.geberGelesen)
            geber = live.GeberSN;
        switch (tick.ergebnis) {
        case measure::PollOutcome::Again: continue;
        case measure::PollOutcome::Finished:
            out << measure::resultJson(live, geber, [&](const std::string& d) { return host.sprachText(d); }) << '\n'
                << std::flush;
            letztes = live;
            return kExitOk;
        case measure::PollOutcome::Failed:
        case measure::PollOutcome::TimedOut:
        case measure::PollOutcome::Dropped: return kExitFailed;
        }
    }
}

bool ganzeZahl(const std::string& text, int& wert) {
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    wert = std::stoi(text);
    return true;
}

} // namespace

bool isMeasureOption(const std::string& arg) {
    for (const char* name : {"--repeat", "--save"}) {
        const std::string n = name;
        if (arg == n || arg.rfind(n + "=", 0) == 0)
            return true;
    }
    return false;
}

bool parseMeasure(const std::vector<std::string>& positional, const std::vector<std::string>& optionArgs,
                  MeasureOptions& options, std::string& error) {
    options = MeasureOptions{};
    if (positional.size() != 2) {
        error = positional.size() < 2 ? "measure needs a mode (current, badpulses or oscillation)"
                                      : "measure takes one mode";
        return false;
    }
    const std::string& mode = positional[1];
    options.typ = mode == "current" ? 1 : mode == "badpulses" ? 2 : mode == "oscillation" ? 3 : 0;
    if (options.typ == 0) {
        error = "unknown measurement " + mode + " (current, badpulses or oscillation)";
        return false;
    }
    for (std::size_t i = 0; i < optionArgs.size(); ++i) {
        const std::string& a = optionArgs[i];
        const auto eq = a.find('=');
        const std::string name = a.substr(0, eq);
        std::string value;
        if (eq != std::string::npos)
            value = a.substr(eq + 1);
        else if (i + 1 < optionArgs.size())
            value = optionArgs[++i];
        if (value.empty()) {
            error = name + " needs a value";
            return false;
        }
        if (name == "--repeat") {
            if (!ganzeZahl(value, options.repeat) || options.repeat < 1) {
                error = "--repeat needs a whole number of 1 or more";
                return false;
            }
        } else {
            options.save = value;
        }
    }
    if (!options.save.empty() && !kavDateiname(options.save)) {
        error = "--save needs a file name ending in .kav";
        return false;
    }
    return true;
}

int runMeasure(const MeasureOptions& options, const std::string& sprache, ComUSB& link, std::ostream& out,
               std::ostream& err, bool trace) {
    // A saved result carries the device's identity, as the window shows it.
    records::KopfTexte kopf;
    if (!options.save.empty()) {
        const Aufruf firmware = wertLesen(link, wert::Firmware, "S");
        const Aufruf seriennummer = wertLesen(link, wert::GeraetSN, "S");
        if (!firmware.ok() || !seriennummer.ok()) {
            err << "kavctl: the device's firmware and serial number could not be read\n";
            return kExitFailed;
        }
        kopf.firmware = records::getrimmt(firmware.text);
        kopf.geraetSN = records::getrimmt(seriennummer.text);
    }
    ConsoleHost host(err, trace, sprache);
    measure::MeasurementCycle cycle(link, host);
    Ergebnis letztes;
    std::string geber; // the encoder serial the last readout reported (Windows-1252)
    for (int n = 0; n < options.repeat; ++n) {
        int code = kExitFailed;
        Clock& clock = link.clock();
        switch (options.typ) {
        case 1: code = einmal<measure::AktuellWerte>(cycle, host, clock, 1, letztes, geber, out, err); break;
        case 2: code = einmal<measure::SchlechtimpulsWerte>(cycle, host, clock, 2, letztes, geber, out, err); break;
        case 3: code = einmal<measure::DrehschwebungWerte>(cycle, host, clock, 3, letztes, geber, out, err); break;
        default: break;
        }
        if (code != kExitOk)
            return code;
    }
    if (options.save.empty())
        return kExitOk;
    // "Daten speichern": the record name from the file's name, the time from the clock.
    kopf.geberSN = records::getrimmt(geber);
    kopf.name = records::onlineDatensatzname(options.save);
    return ergebnisSpeichern(options.save, letztes, kopf, link.clock().localTime(), sprache, err);
}

} // namespace kav::kavctl
