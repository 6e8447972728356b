#include "kavctl_measure.h"

#include <chrono>

#include "com_usb.h"
#include "device_call.h"
#include "device_header.h"
#include "kavctl_archive.h"
#include "kavctl_console.h"
#include "kavctl_exit.h"
#include "kavctl_files.h"
#include "kavctl_save.h"
#include "measurement_cycle.h"
#include "result_json.h"
#include "save_names.h"
#include "trend_csv.h"

namespace kav::kavctl {

namespace {

template <class Werte>
int einmal(measure::MeasurementCycle& cycle, const ComUSB& link, int typ, records::Datensatz& letztes, std::string& geber,
           std::ostream& err) {
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
            letztes = live;
            return kExitOk;
        case measure::PollOutcome::Failed:
        case measure::PollOutcome::TimedOut:
        case measure::PollOutcome::Dropped: return kExitFailed;
        }
    }
}

// One result as its JSON line, or as a CSV line `sekunden` after the run's start.
void ausgeben(const records::Datensatz& ergebnis, const std::string& geber, bool csv, double sekunden,
              ConsoleHost& host, std::ostream& out) {
    std::visit(
        [&](const auto& w) {
            using Werte = std::decay_t<decltype(w)>;
            if constexpr (std::is_same_v<Werte, measure::AktuellWerte>) {
                if (csv) {
                    out << measure::trendCsvZeile(sekunden, w) << '\n' << std::flush;
                    return;
                }
            }
            if constexpr (!std::is_same_v<Werte, std::monostate>)
                out << measure::resultJson(w, geber, [&](const std::string& d) { return host.sprachText(d); }) << '\n'
                    << std::flush;
        },
        ergebnis);
}

} // namespace

int runMeasure(const MeasureOptions& options, const std::string& sprache, ComUSB& link, std::ostream& out,
               std::ostream& err, bool trace) {
    // A saved result carries the device's identity, as the window shows it.
    records::KopfTexte kopf;
    if (!options.save.empty() || !options.archive.empty()) {
        const Aufruf firmware = wertLesen(link, wert::Firmware, "S");
        const Aufruf seriennummer = wertLesen(link, wert::GeraetSN, "S");
        if (!firmware.ok() || !seriennummer.ok()) {
            err << "kavctl: the device's firmware and serial number could not be read\n";
            return kExitFailed;
        }
        kopf.firmware = records::getrimmt(firmware.text);
        kopf.geraetSN = records::getrimmt(seriennummer.text);
    }
    // "Daten speichern": the record name from the file's name (none without one).
    if (!options.save.empty())
        kopf.name = records::onlineDatensatzname(options.save);
    ConsoleHost host(err, trace, sprache);
    measure::MeasurementCycle cycle(link, host);
    records::Datensatz letztes;
    LocalTime zeit;
    std::string geber; // the encoder serial the last readout reported (Windows-1252)
    const Clock::time_point start = link.clock().now();
    int archivCode = kExitOk; // after the first archive failure the results are only printed
    if (options.csv)
        out << measure::trendCsvKopf() << '\n';
    for (int n = 0; n < options.repeat; ++n) {
        int code = kExitFailed;
        switch (options.typ) {
        case 1: code = einmal<measure::AktuellWerte>(cycle, link, 1, letztes, geber, err); break;
        case 2: code = einmal<measure::SchlechtimpulsWerte>(cycle, link, 2, letztes, geber, err); break;
        case 3: code = einmal<measure::DrehschwebungWerte>(cycle, link, 3, letztes, geber, err); break;
        default: break;
        }
        if (code != kExitOk)
            return code;
        zeit = link.clock().localTime();
        ausgeben(letztes, geber, options.csv, std::chrono::duration<double>(link.clock().now() - start).count(), host,
                 out);
        kopf.geberSN = records::getrimmt(geber);
        if (archivCode == kExitOk)
            archivCode = ergebnisArchivieren({options.archive, archive::Source::Online, {}, {}}, letztes, kopf, zeit, err);
    }
    // The file holds the bytes of the last result exactly as archived.
    const int speicherCode =
        options.save.empty() ? kExitOk : ergebnisSpeichern(options.save, letztes, kopf, zeit, sprache, err);
    return speicherCode != kExitOk ? speicherCode : archivCode;
}

} // namespace kav::kavctl
