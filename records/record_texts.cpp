#include "record_texts.h"

#include <iterator>

#include "language_table.h"

namespace kav::records {

namespace {

// Texts the shared table does not hold yet. The save failure is new (a failed
// save used to end silently); "Schlechte Impulse" is a page title of the save
// dialog that had no English text.
constexpr EigenesPaar kEigene[] = {
    {"Schlechte Impulse", "Bad pulses"},
    {"Die Datei konnte nicht gespeichert werden.", "The file could not be saved."},
    {"Fehler beim Speichern", "Error on saving"},
    {"Der Datenträger ist voll.", "The disk is full."},
    {"Keine Berechtigung zum Schreiben.", "No permission to write."},
    {"Der Dateiname ist ungültig.", "The file name is not valid."},
    {"Beim Schreiben ist ein Fehler aufgetreten.", "An error occurred while writing."},
    {"Ein Wert liegt außerhalb des speicherbaren Bereichs.", "A value is outside the range a record file can hold."},
};

// The processing-error texts are shown as "Beim bearbeiten …" and "Fehler beim
// bearbeiten", while the table's keys spell "Bearbeiten": looked up under the
// key, so the English user gets the English text and the German one sees the
// text unchanged.
constexpr EigenesPaar kSchreibweisen[] = {
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

std::string logZeile(int typ, const std::string& dateiname, const std::string& grundDeutsch) {
    return "DateiSchreiben" + std::to_string(typ) + " -> Die Datei konnte nicht gespeichert werden (" + dateiname +
           "): " + grundDeutsch;
}

} // namespace

const EigenesPaar* eigeneTexte(int* anzahl) {
    if (anzahl)
        *anzahl = static_cast<int>(std::size(kEigene));
    return kEigene;
}

std::string T(std::string_view deutsch, std::string_view sprache) {
    if (deutsch.empty() || sprache == "D")
        return std::string(deutsch);
    for (const EigenesPaar& p : kSchreibweisen)
        if (deutsch == p.deutsch)
            return texts::sprachText(p.englisch, sprache);
    if (auto en = texts::englischerText(deutsch))
        return *en;
    for (const EigenesPaar& p : kEigene)
        if (deutsch == p.deutsch)
            return p.englisch;
    return std::string(deutsch);
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
    return logZeile(typ, dateiname, grund(fehler));
}

std::string speicherFehlerLogZeile(int typ, const std::string& dateiname, DateiFehler fehler) {
    return logZeile(typ, dateiname, grund(fehler));
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

} // namespace kav::records
