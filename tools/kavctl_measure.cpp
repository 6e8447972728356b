#include "kavctl_measure.h"

#include <algorithm>
#include <chrono>

#include "com_usb.h"
#include "device_call.h"
#include "device_header.h"
#include "kavctl_archive.h"
#include "kavctl_exit.h"
#include "kavctl_files.h"
#include "kavctl_profile.h"
#include "kavctl_save.h"
#include "result_json.h"
#include "save_names.h"
#include "single_measurement.h"
#include "trend_csv.h"

namespace kav::kavctl {

Messplatz::Messplatz(ComUSB& link, std::ostream& err, bool trace, const std::string& sprache)
    : link_(link), host_(err, trace, sprache), cycle_(link, host_) {}

Messplatz::Messung Messplatz::messen(int typ) {
    const measure::Einzelmessung e = measure::einmalMessen(cycle_, link_, typ);
    Messung m;
    m.geber = e.geber;
    switch (e.ende) {
    case measure::Einzelmessung::Ende::Ergebnis:
        m.code = kExitOk;
        m.ergebnis = e.ergebnis;
        break;
    case measure::Einzelmessung::Ende::LinkVerloren: m.code = kExitNoLink; break; // the caller names the converter
    case measure::Einzelmessung::Ende::Fehlgeschlagen:
        if (e.start == measure::Start::NichtGelistet) // the cycle writes only a debug line for it
            host_.err() << "kavctl: the device does not list " << measure::MeasurementCycle::startBefehl(typ) << '\n';
        break;
    }
    return m;
}

int runMeasure(const MeasureOptions& options, const std::string& sprache, ComUSB& link, std::ostream& out,
               std::ostream& err, bool trace) {
    // A saved or archived result carries the device's identity, as the window shows it.
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
    Messplatz platz(link, err, trace, sprache);
    const measure::Translator text = [&](const std::string& d) { return platz.host().sprachText(d); };
    Messplatz::Messung letzte;
    LocalTime zeit;
    int urteil = kExitOk;
    int archivCode = kExitOk; // after the first archive failure the results are only printed
    const Clock::time_point start = link.clock().now();
    if (options.csv)
        out << measure::trendCsvKopf() << '\n';
    for (int n = 0; n < options.repeat; ++n) {
        letzte = platz.messen(options.typ);
        if (letzte.code != kExitOk)
            return letzte.code;
        zeit = link.clock().localTime();
        std::optional<verdict::Verdict> v;
        if (options.profile) {
            v = judgeRecord(*options.profile, letzte.ergebnis);
            if (v)
                urteil = std::max(urteil, verdictExit(v->result)); // one result not PASS is enough
        }
        const auto* aktuell = std::get_if<measure::AktuellWerte>(&letzte.ergebnis);
        if (options.csv && aktuell) {
            const double sekunden = std::chrono::duration<double>(link.clock().now() - start).count();
            out << measure::trendCsvZeile(sekunden, *aktuell) << '\n' << std::flush;
        } else {
            json::Json objekt = std::visit(
                [&](const auto& w) {
                    if constexpr (std::is_same_v<std::decay_t<decltype(w)>, std::monostate>)
                        return json::Json::object();
                    else
                        return measure::resultObject(w, letzte.geber, text);
                },
                letzte.ergebnis);
            if (v)
                objekt["verdict"] = verdict::verdictJson(*v, options.profile->name);
            out << json::zeile(objekt) << '\n' << std::flush;
        }
        kopf.geberSN = records::getrimmt(letzte.geber);
        if (archivCode == kExitOk) {
            Archivierung wunsch{options.archive, archive::Source::Online, {}, {}};
            if (v) {
                wunsch.profil = options.profile->name;
                wunsch.urteil = verdict::outcomeName(v->result);
            }
            archivCode = ergebnisArchivieren(wunsch, letzte.ergebnis, kopf, zeit, err);
        }
    }
    // The file holds the bytes of the last result exactly as archived.
    const int speicherCode =
        options.save.empty() ? kExitOk : ergebnisSpeichern(options.save, letzte.ergebnis, kopf, zeit, sprache, err);
    if (speicherCode != kExitOk)
        return speicherCode;
    return archivCode != kExitOk ? archivCode : urteil;
}

} // namespace kav::kavctl
