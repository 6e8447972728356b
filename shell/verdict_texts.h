#pragma once
// The test station's own texts in the window (profiles, the band, the test
// run), German and English, chosen by the program's language.
#include <QString>

namespace kav::shell {

enum class PText {
    Menu,       // the menu's title
    KeinProfil, // "no profile" item
    Bearbeiten, // the editor item
    Pruefauf,   // the test run item
    Profil,     // "Profile: %1"
    NichtVerbunden,
    KeinProfilGewaehlt,
    OrdnerWaehlen,
    Schritt, // "Step %1 of %2: %3"
    SchrittAktuell,
    SchrittSchlecht,
    SchrittDreh,
    AnweisungAktuell,
    AnweisungSchlecht,
    AnweisungDreh,
    Abbrechen,
    Schliessen,
    Abgebrochen,
    Fehler,      // "ERROR in step %1: %2"
    Gespeichert, // "Saved in %1"
    NichtGespeichert,
    Ergebnis, // "Result: %1"
    EditorTitel,
    Neu,
    Kopieren,
    Speichern,
    Loeschen,
    Importieren,
    Exportieren,
    LoeschenFrage,
    KopieVon,
    NeuerName,
    MessungFehlgeschlagen,
    VerbindungVerloren,
    Einheit, // "Unit: %1"
};

// The text in the program's current language.
QString ptext(PText t);

} // namespace kav::shell
