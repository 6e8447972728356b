#include "kavctl_measure.h"

#include <chrono>

#include "com_usb.h"
#include "device_call.h"
#include "device_header.h"
#include "kavctl_console.h"
#include "kavctl_exit.h"
#include "kavctl_files.h"
#include "kavctl_save.h"
#include "measurement_cycle.h"
#include "result_json.h"
#include "save_names.h"

namespace kav::kavctl {

namespace {

template <class Werte>
int einmal(measure::MeasurementCycle& cycle, ConsoleHost& host, const ComUSB& link, int typ, records::Datensatz& letztes,
           std::string& geber, std::ostream& out, std::ostream& err) {
    Clock& clock = link.clock();
    const measure::Start start = typ == 1   ? cycle.DateiTyp1Live()
                                 : typ == 2 ? cycle.DateiTyp2Live()
                                            : cycle.DateiTyp3Live();
    if (start != measure::Start::Gestartet) {
        if (link.linkLost())
            return kExitNoLink; // the caller names the converter
        if (start == measure::Start::NichtGelistet) // the cycle writes only a debug line for it
            err << "kavctl: the device does not list " << measure::MeasurementCycle::startBefehl(typ) << '\n';
        return kExitFailed;
    }
    Werte live;
    for (;;) {
        // A vanished converter ends the measurement now, not after the time-out.
        if (link.linkLost())
            return kExitNoLink;
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

} // namespace

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
    records::Datensatz letztes;
    std::string geber; // the encoder serial the last readout reported (Windows-1252)
    for (int n = 0; n < options.repeat; ++n) {
        int code = kExitFailed;
        switch (options.typ) {
        case 1: code = einmal<measure::AktuellWerte>(cycle, host, link, 1, letztes, geber, out, err); break;
        case 2: code = einmal<measure::SchlechtimpulsWerte>(cycle, host, link, 2, letztes, geber, out, err); break;
        case 3: code = einmal<measure::DrehschwebungWerte>(cycle, host, link, 3, letztes, geber, out, err); break;
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
