#include "record_save.h"

#include "atomic_file.h"

namespace kav::records {

namespace {

std::string utf8(const std::filesystem::path& p) {
    const std::u8string u = p.u8string();
    return std::string(u.begin(), u.end());
}

std::filesystem::path ausUtf8(const std::string& text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

} // namespace

Dateiinhalt datensatzInhalt(const Datensatz& daten, const KopfTexte& kopf, const LocalTime& zeit,
                            const Speicherwunsch& wunsch) {
    if (const auto* w = std::get_if<measure::AktuellWerte>(&daten))
        return DateiSchreiben1(*w, kopf, zeit);
    if (const auto* w = std::get_if<measure::SchlechtimpulsWerte>(&daten))
        return DateiSchreiben2(*w, kopf, zeit);
    if (const auto* w = std::get_if<measure::DrehschwebungWerte>(&daten))
        return wunsch.mth ? DateiSchreiben3Mth(*w, kopf, zeit, wunsch.dezimalTrenner) : DateiSchreiben3(*w, kopf, zeit);
    return {};
}

int datensatzTyp(const Datensatz& daten) { return static_cast<int>(daten.index()); }

Speicherergebnis datensatzSpeichern(const Datensatz& daten, const std::filesystem::path& datei, const KopfTexte& kopf,
                                    const LocalTime& zeit, const Speicherwunsch& wunsch) {
    Speicherergebnis e;
    const int typ = datensatzTyp(daten);
    if (typ == 0)
        return e;
    e.ziel = typ == 3 && wunsch.mth ? ausUtf8(mthDateiname(utf8(datei))) : datei;
    // The log names the file with the platform's separators.
    const std::string name = utf8(std::filesystem::path(e.ziel).make_preferred());
    const Dateiinhalt inhalt = datensatzInhalt(daten, kopf, zeit, wunsch);
    if (inhalt.fehler == Schreibfehler::KeineDaten) {
        e.art = Speicherergebnis::Art::KeineDaten;
        e.meldung = keineDatenMeldung(wunsch.sprache);
        return e;
    }
    e.art = Speicherergebnis::Art::Fehler;
    if (!inhalt.ok()) {
        e.meldung = speicherFehlerMeldung(inhalt.fehler, wunsch.sprache);
        e.logZeile = speicherFehlerLogZeile(typ, name, inhalt.fehler);
        return e;
    }
    if (const DateiFehler f = atomarSchreiben(e.ziel, inhalt.bytes); f != DateiFehler::Keiner) {
        e.meldung = speicherFehlerMeldung(f, wunsch.sprache);
        e.logZeile = speicherFehlerLogZeile(typ, name, f);
        return e;
    }
    e.art = Speicherergebnis::Art::Gespeichert;
    return e;
}

} // namespace kav::records
