#include "device_memory.h"

#include <cmath>

#include "com_usb.h"
#include "device_call.h"

namespace kav::records {

bool Auflistung::hatMeldung() const {
    return ergebnis == Listenergebnis::AnzahlFehler || ergebnis == Listenergebnis::Messmodus ||
           ergebnis == Listenergebnis::KopfFehler;
}

Auflistung DatenVomG(ComUSB& link, const std::function<void(int, const std::string&)>& beiZeile) {
    Auflistung a;
    const Aufruf anzahl = geraetAufruf(link, "RD_FramDataNum", "", "B");
    if (anzahl.fehler == Aufruffehler::NichtGelistet) {
        a.ergebnis = Listenergebnis::AnzahlNichtGelistet;
        a.log.push_back(
            {true, std::string("DatenVomG -> 'RD_FramDataNum' konnte nicht") + kCrLf + "ausgelesen werden."});
        return a;
    }
    // A count that is not one byte's value cannot be a record count either.
    const double n = anzahl.wert.toNumber();
    if (!anzahl.ok() || n < 0 || n > 255 || n != std::floor(n)) {
        a.ergebnis = Listenergebnis::AnzahlFehler;
        return a;
    }
    a.anzahl = static_cast<int>(n);
    if (a.anzahl == 255) {
        a.ergebnis = Listenergebnis::Messmodus;
        return a;
    }
    if (a.anzahl == 0)
        return a;
    const std::string struktur = link.COM_GetStruktur("RD_FramDataHead");
    if (struktur.empty()) {
        a.ergebnis = Listenergebnis::KopfNichtGelistet;
        return a;
    }
    for (int i = 0; i < a.anzahl; ++i) {
        const Aufruf kopf = strukturAufruf(link, struktur, std::to_string(i), "S");
        a.log.push_back({true, "DatenVomG -> " + kopf.roh});
        // A header shorter than its 34 bytes is as unusable as a failed read.
        if (!kopf.ok() || !datensatzkopfLesen(kopf.roh)) {
            a.ergebnis = Listenergebnis::KopfFehler;
            a.fehlerIndex = i;
            a.log.push_back({false, "DatenVomG -> Fehler in DatenVomG"});
            return a;
        }
        a.zeilen.push_back(listenZeile(kopf.roh));
        a.KopfListe[static_cast<std::size_t>(i)] = kopf.roh;
        if (beiZeile)
            beiZeile(i, a.zeilen.back());
    }
    return a;
}

std::string messmodusText(std::string_view sprache) {
    return T("KAV100 befindet sich im Messmodus.", sprache) + kCrLf + kCrLf + T("Beenden Sie den Messmodus", sprache) +
           kCrLf + T("und versuchen Sie es erneut.", sprache);
}

Meldung listenMeldung(Listenergebnis ergebnis, std::string_view sprache) {
    switch (ergebnis) {
    case Listenergebnis::AnzahlFehler:
        return {T("Auslesen der Datenanzahl", sprache) + kCrLf + T("konnte nicht ausgeführt werden.", sprache), "",
                Meldung::Symbol::Keins};
    case Listenergebnis::Messmodus: return {messmodusText(sprache), "", Meldung::Symbol::Keins};
    case Listenergebnis::KopfFehler:
        return {T("Interner Fehler 2. Daten auslesen", sprache), "", Meldung::Symbol::Keins};
    case Listenergebnis::Ok:
    case Listenergebnis::AnzahlNichtGelistet:
    case Listenergebnis::KopfNichtGelistet: break;
    }
    return {};
}

KopfAnzeige kopfAnzeige(const Datensatzkopf& kopf) {
    return {getrimmt(kopf.name), getrimmt(kopf.geberSN), getrimmt(kopf.geraetSN), datumText(kopf.zeit)};
}

Ladung datensatzLaden(ComUSB& link, int index, const std::array<std::string, 256>& KopfListe) {
    Ladung l;
    if (index < 0 || index >= static_cast<int>(KopfListe.size()))
        return l;
    const std::string& roh = KopfListe[static_cast<std::size_t>(index)];
    const auto kopf = datensatzkopfLesen(roh);
    if (!kopf)
        return l;
    const Aufruf laden = geraetAufruf(link, "RD_FramData", std::to_string(index));
    if (laden.fehler == Aufruffehler::NichtGelistet) {
        l.ergebnis = Ladeergebnis::NichtGelistet;
        l.log.push_back({true, "lstAlle.DblClick -> 'RD_FramData' konnte nicht ausgelesen werden."});
        return l;
    }
    if (!laden.ok()) {
        l.ergebnis = Ladeergebnis::Fehler;
        return l;
    }
    l.ergebnis = Ladeergebnis::Ok;
    l.anzeige = kopfAnzeige(*kopf);
    l.AktDateiTyp = kopf->typ;
    l.KopfText = COM_WertLesen(roh, "S").toText();
    return l;
}

Meldung ladeMeldung(Ladeergebnis ergebnis, std::string_view sprache) {
    if (ergebnis != Ladeergebnis::Fehler)
        return {};
    return {T("Auslesen der Datei", sprache) + kCrLf + T("konnte nicht ausgeführt werden.", sprache), "",
            Meldung::Symbol::Keins};
}

} // namespace kav::records
