#include "kavctl_records.h"

#include <chrono>

#include "ansi_utf8.h"
#include "com_usb.h"
#include "device_call.h"
#include "device_memory.h"
#include "device_status.h"
#include "kavctl_archive.h"
#include "kavctl_console.h"
#include "kavctl_exit.h"
#include "kavctl_files.h"
#include "kavctl_save.h"
#include "kavctl_show.h"
#include "measurement_cycle.h"
#include "result_json.h"

namespace kav::kavctl {

namespace {

// The listing's failure on standard error; 0 when it listed.
int listenFehler(const records::Auflistung& a, const std::string& sprache, std::ostream& err) {
    switch (a.ergebnis) {
    case records::Listenergebnis::Ok: return kExitOk;
    case records::Listenergebnis::AnzahlNichtGelistet:
        err << "kavctl: the device does not list the command RD_FramDataNum\n";
        return kExitFailed;
    case records::Listenergebnis::KopfNichtGelistet:
        err << "kavctl: the device does not list the command RD_FramDataHead\n";
        return kExitFailed;
    case records::Listenergebnis::AnzahlFehler:
    case records::Listenergebnis::Messmodus:
    case records::Listenergebnis::KopfFehler:
        err << zeilen(records::listenMeldung(a.ergebnis, sprache).text) << "\n";
        return kExitFailed;
    }
    return kExitFailed;
}

// The status check before a stored record is read: 0 when the device is not
// in its own measuring mode.
int statusPruefen(ComUSB& link, const std::string& sprache, std::ostream& err) {
    const Geraetestatus status = statusLesen(link);
    if (status.status.fehler == Aufruffehler::NichtGelistet) {
        err << "kavctl: the device does not list the command RD_Info\n";
        return kExitFailed;
    }
    if (!status.ok()) {
        err << "kavctl: the device state could not be read (" << ansiToUtf8(status.status.text) << ")\n";
        return kExitFailed;
    }
    if (status.messmodus) {
        err << zeilen(records::messmodusText(sprache)) << "\n";
        return kExitFailed;
    }
    return kExitOk;
}

template <class Werte>
bool auslesen(measure::MeasurementCycle& cycle, Werte& live) {
    constexpr measure::Quelle gespeichert = measure::Quelle::Speicher; // no ready and device-state tests
    live = Werte{};
    measure::Lesung l;
    if constexpr (std::is_same_v<Werte, measure::AktuellWerte>)
        l = cycle.DateiTyp1Lesen(live, gespeichert);
    else if constexpr (std::is_same_v<Werte, measure::SchlechtimpulsWerte>)
        l = cycle.DateiTyp2Lesen(live, gespeichert);
    else
        l = cycle.DateiTyp3Lesen(live, gespeichert);
    return l.stand == measure::Lesestand::Fertig;
}

// Status check and readout of the loaded record by its type; the bad pulses
// repeat both every 500 ms until they are read or the time-out is reached.
template <class Werte>
int lesen(ComUSB& link, ConsoleHost& host, int typ, const std::string& sprache, Werte& live, std::ostream& err) {
    measure::MeasurementCycle cycle(link, host);
    for (int versuch = 1;; ++versuch) {
        if (const int code = statusPruefen(link, sprache, err); code != kExitOk)
            return code;
        const int vorher = host.meldungen;
        if (auslesen(cycle, live))
            return kExitOk;
        if (typ != 2 || versuch >= measure::kMaxPollAttempts) {
            if (typ == 2)
                host.meldung(host.sprachText("Messung nicht möglich.") + "\r\n" + host.sprachText("Time out."));
            else if (host.meldungen == vorher)
                err << "kavctl: the record's values could not be read\n";
            return kExitFailed;
        }
        link.clock().sleepFor(std::chrono::milliseconds(measure::kPollIntervalMs));
    }
}

} // namespace

int recordsList(ComUSB& link, const Options& o, std::ostream& out, std::ostream& err) {
    const records::Auflistung a = records::DatenVomG(link);
    if (const int code = listenFehler(a, o.lang, err); code != kExitOk)
        return code;
    json::Json liste = json::Json::array();
    for (std::size_t i = 0; i < a.zeilen.size(); ++i) {
        // Listed headers are complete, so this always holds a value.
        const auto kopf = records::datensatzkopfLesen(a.KopfListe[i]);
        liste.push_back({{"index", i},
                         {"name", ansiToUtf8(a.zeilen[i])},
                         {"type", kopf->typ},
                         {"date", records::datumText(kopf->zeit)},
                         {"encoder_serial", ansiToUtf8(records::getrimmt(kopf->geberSN))},
                         {"device_serial", ansiToUtf8(records::getrimmt(kopf->geraetSN))}});
    }
    out << json::block(liste) << '\n';
    return kExitOk;
}

int recordsGet(ComUSB& link, const Options& o, std::ostream& out, std::ostream& err) {
    const records::Auflistung a = records::DatenVomG(link);
    if (const int code = listenFehler(a, o.lang, err); code != kExitOk)
        return code;
    if (o.index < 0 || o.index >= static_cast<int>(a.zeilen.size())) {
        err << "kavctl: the device holds no record " << o.index << " (" << a.zeilen.size() << " records)\n";
        return kExitFailed;
    }
    const records::Ladung l = records::datensatzLaden(link, o.index, a.KopfListe);
    if (l.ergebnis == records::Ladeergebnis::NichtGelistet) {
        err << "kavctl: the device does not list the command RD_FramData\n";
        return kExitFailed;
    }
    if (l.ergebnis != records::Ladeergebnis::Ok) {
        err << zeilen(records::ladeMeldung(l.ergebnis, o.lang).text) << "\n";
        return kExitFailed;
    }
    // The firmware is not in the record's header: the window saves the one it shows.
    const Aufruf firmware = wertLesen(link, wert::Firmware, "S");
    if (!firmware.ok()) {
        err << "kavctl: the device's firmware could not be read (" << ansiToUtf8(firmware.text) << ")\n";
        return kExitFailed;
    }
    const auto kopf = records::datensatzkopfLesen(a.KopfListe[static_cast<std::size_t>(o.index)]);
    json::Json ausgabe = {{"header", headerObject({firmware.text, records::getrimmt(kopf->geberSN),
                                           records::getrimmt(kopf->geraetSN), records::getrimmt(kopf->name)},
                                                 records::datumText(kopf->zeit))}};
    ConsoleHost host(err, o.trace, o.lang);
    const measure::Translator t = [&](const std::string& d) { return host.sprachText(d); };
    const std::string geber = records::getrimmt(kopf->geberSN);
    records::Datensatz ergebnis;
    json::Json werte;
    int code = kExitOk;
    auto mit = [&](auto live) {
        code = lesen(link, host, l.AktDateiTyp, o.lang, live, err);
        werte = measure::resultObject(live, geber, t);
        ergebnis = live;
    };
    switch (l.AktDateiTyp) {
    case 1: mit(measure::AktuellWerte{}); break;
    case 2: mit(measure::SchlechtimpulsWerte{}); break;
    case 3: mit(measure::DrehschwebungWerte{}); break;
    default: werte = {{"type", l.AktDateiTyp}, {"values", json::Json::object()}}; break;
    }
    if (code != kExitOk)
        return code;
    // The header first, then the result's members in their order.
    for (const auto& [name, wert] : werte.items())
        ausgabe[name] = wert;
    out << json::zeile(ausgabe) << '\n' << std::flush;
    if (o.save.empty() && o.archive.url.empty())
        return kExitOk;
    auto texte = records::kopfTextTexte(l.KopfText);
    texte->texte.firmware = firmware.text;
    // The file first: an archive that fails costs no file.
    const int speicherCode =
        o.save.empty() ? kExitOk : ergebnisSpeichern(o.save, ergebnis, texte->texte, texte->zeit, o.lang, err);
    const int archivCode =
        ergebnisArchivieren({o.archive.url, archive::Source::Device, {}, {}}, ergebnis, texte->texte, texte->zeit, err);
    return speicherCode != kExitOk ? speicherCode : archivCode;
}

} // namespace kav::kavctl
