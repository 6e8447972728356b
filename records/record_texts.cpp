#include "record_texts.h"

#include "language_table.h"

namespace kav::records {

namespace {

// The processing-error texts are shown as "Beim bearbeiten …" and "Fehler beim
// bearbeiten", while the table's keys spell "Bearbeiten": looked up under the
// key, so the English user gets the English text and the German one sees the
// text unchanged.
constexpr texts::SprachPaar kSchreibweisen[] = {
    {"Beim bearbeiten der Datei ist ein Fehler aufgetreten.", "Beim Bearbeiten der Datei ist ein Fehler aufgetreten."},
    {"Fehler beim bearbeiten", "Fehler beim Bearbeiten"},
};

std::string grund(Schreibfehler f) {
    switch (f) {
    case Schreibfehler::Keiner:
    case Schreibfehler::KeineDaten: break;
    case Schreibfehler::FestkommaBereich:
    case Schreibfehler::DatumBereich:
    case Schreibfehler::Messdaten: return "Ein Wert liegt außerhalb des speicherbaren Bereichs.";
    }
    return "Beim Schreiben ist ein Fehler aufgetreten.";
}

std::string grund(DateiFehler f) {
    switch (f) {
    case DateiFehler::KeinPlatz: return "Der Datenträger ist voll.";
    case DateiFehler::KeineRechte: return "Keine Berechtigung zum Schreiben.";
    case DateiFehler::NichtGefunden:
    case DateiFehler::IstOrdner:
    case DateiFehler::UngueltigerName: return "Der Dateiname ist ungültig.";
    case DateiFehler::Keiner:
    case DateiFehler::EAFehler: break;
    }
    return "Beim Schreiben ist ein Fehler aufgetreten.";
}

Meldung speicherFehler(const std::string& grundDeutsch, std::string_view sprache) {
    return {T("Die Datei konnte nicht gespeichert werden.", sprache) + kCrLf + T(grundDeutsch, sprache),
            T("Fehler beim Speichern", sprache), Meldung::Symbol::Ausrufezeichen};
}

std::string logZeile(const std::string& prozedur, const std::string& dateiname, const std::string& grundDeutsch) {
    return prozedur + " -> Die Datei konnte nicht gespeichert werden (" + dateiname + "): " + grundDeutsch;
}

std::string schreiber(int typ) { return "DateiSchreiben" + std::to_string(typ); }

} // namespace

const EigenesPaar* eigeneTexte(int* anzahl) {
    // They stand after the window's, the support and the additional pairs.
    const texts::SprachPaar* tabelle = texts::englischTabelle(nullptr);
    if (anzahl)
        *anzahl = texts::kDateiPaare;
    return tabelle + (texts::kFensterPaare + texts::kSupportPaare + texts::kZusatzPaare);
}

std::string T(std::string_view deutsch, std::string_view sprache) {
    if (deutsch.empty() || sprache == "D")
        return std::string(deutsch);
    for (const texts::SprachPaar& p : kSchreibweisen)
        if (deutsch == p.deutsch)
            return texts::sprachText(p.englisch, sprache);
    return texts::sprachText(deutsch, sprache);
}

std::string seitenTitel(int typ) {
    switch (typ) {
    case 1: return "Aktuell";
    case 2: return "Schlechte Impulse";
    case 3: return "Drehschwebung";
    default: return {};
    }
}

std::string speicherTitel(bool vomGeraet, int typ, std::string_view sprache) {
    return T(vomGeraet ? "Gespeicherte Daten" : "ONLINE Messungen", sprache) + " - " + T(seitenTitel(typ), sprache) +
           " - " + T("Speichern", sprache);
}

Meldung ueberschreibenFrage(std::string_view sprache) {
    return {T("Die Datei ist bereits vorhanden.", sprache) + kCrLf + T("Soll die Datei überschrieben werden?", sprache),
            T("Überschreiben?", sprache), Meldung::Symbol::Ausrufezeichen};
}

Meldung abbruchMeldung(std::string_view sprache) {
    return {T("Daten wurden nicht gespeichert.", sprache), T("Abbruch", sprache), Meldung::Symbol::Ausrufezeichen};
}

Meldung keineDatenMeldung(std::string_view sprache) {
    return {T("Interner Fehler 3. Keine Daten im Array.", sprache), T("Interne Fehler", sprache),
            Meldung::Symbol::Ausrufezeichen};
}

Meldung speicherFehlerMeldung(Schreibfehler fehler, std::string_view sprache) {
    if (fehler == Schreibfehler::KeineDaten)
        return keineDatenMeldung(sprache);
    return speicherFehler(grund(fehler), sprache);
}

Meldung speicherFehlerMeldung(DateiFehler fehler, std::string_view sprache) {
    return speicherFehler(grund(fehler), sprache);
}

std::string speicherFehlerLogZeile(int typ, const std::string& dateiname, Schreibfehler fehler) {
    return logZeile(schreiber(typ), dateiname, grund(fehler));
}

std::string speicherFehlerLogZeile(int typ, const std::string& dateiname, DateiFehler fehler) {
    return logZeile(schreiber(typ), dateiname, grund(fehler));
}

std::string speicherFehlerLogZeile(const std::string& prozedur, const std::string& dateiname, DateiFehler fehler) {
    return logZeile(prozedur, dateiname, grund(fehler));
}

Meldung lesenFehlerMeldung(std::string_view sprache) {
    return {T("Beim lesen der Datei ist ein Fehler aufgetreten.", sprache), T("Fehler beim lesen", sprache),
            Meldung::Symbol::Ausrufezeichen};
}

Meldung unbekanntesFormatMeldung(std::string_view sprache) {
    const std::string t = T("Unbekanntes Dateiformat", sprache);
    return {t, t, Meldung::Symbol::Ausrufezeichen};
}

Meldung bearbeitenFehlerMeldung(std::string_view sprache) {
    return {T("Beim bearbeiten der Datei ist ein Fehler aufgetreten.", sprache), T("Fehler beim bearbeiten", sprache),
            Meldung::Symbol::Ausrufezeichen};
}

std::string lesenFehlerLogZeile(const std::string& pfad) {
    return "DateiOeffnen -> Beim Lesen der Datei ist ein Fehler aufgetreten (" + pfad + ").";
}

std::string bearbeitenFehlerLogZeile() {
    return "DateiOeffnen -> Beim Bearbeiten der Datei ist ein Fehler aufgetreten.";
}

Meldung druckFehlerMeldung(const std::string& drucker, std::string_view sprache) {
    return {T("Die Seite konnte nicht gedruckt werden.", sprache) + kCrLf +
                T("Der Drucker meldet einen Fehler.", sprache) + " (" + drucker + ")",
            T("Fehler beim Drucken", sprache), Meldung::Symbol::Ausrufezeichen};
}

std::string druckFehlerLogZeile(const std::string& drucker) {
    return "Drucken -> Die Seite konnte nicht gedruckt werden (" + drucker + ").";
}

std::string pdfDialogTitel(std::string_view sprache) {
    return T("Kein Drucker eingerichtet: Seite als PDF speichern", sprache);
}

} // namespace kav::records
