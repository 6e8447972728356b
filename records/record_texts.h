#pragma once
// The messages of the record workflows, built in the user's language (UTF-8,
// lines joined with CR LF), so the window and kavctl show the same texts.
// German texts are the keys of the shared text table (language_table.h).
#include <string>
#include <string_view>

#include "atomic_file.h"
#include "language_table.h"
#include "record_file.h"

namespace kav::records {

inline constexpr char kCrLf[] = "\r\n";

// A message box: text, title ("" none) and icon.
struct Meldung {
    enum class Symbol { Keins, Ausrufezeichen, Information, Stopp };
    std::string text;
    std::string titel;
    Symbol symbol = Symbol::Keins;

    bool operator==(const Meldung&) const = default;
};

// SprachText of the shared table: "" for "", the German text for "D", else
// the English text (the German text when there is none). The two
// processing-error texts are looked up under the table's spelling.
std::string T(std::string_view deutsch, std::string_view sprache);

// The pairs of saving, opening and printing records (the last ones of the
// shared table).
using EigenesPaar = texts::SprachPaar;
const EigenesPaar* eigeneTexte(int* anzahl);

// The page title of a record type in dialog titles: "Aktuell", "Schlechte
// Impulse", "Drehschwebung" ("" for another type).
std::string seitenTitel(int typ);

// The save dialog's title: T(quelle) " - " T(page title) " - " T("Speichern"),
// with quelle "Gespeicherte Daten" (device record) or "ONLINE Messungen".
std::string speicherTitel(bool vomGeraet, int typ, std::string_view sprache);

// The save dialog's fixed values.
inline constexpr char kSpeicherFilter[] = "KAV Datei (*.kav)|*.kav";
inline constexpr char kSpeicherEndung[] = ".kav";

// The save dialog's question when the chosen file exists (Yes/No, exclamation).
Meldung ueberschreibenFrage(std::string_view sprache);
// Cancelled dialog or refused overwrite.
Meldung abbruchMeldung(std::string_view sprache);
// A writer that found no data in the saved copy.
Meldung keineDatenMeldung(std::string_view sprache);
// A save that failed: the content could not be built or the file not written.
Meldung speicherFehlerMeldung(Schreibfehler fehler, std::string_view sprache);
Meldung speicherFehlerMeldung(DateiFehler fehler, std::string_view sprache);
// The daily-log line of a failed save, e.g. "DateiSchreiben1 -> Die Datei konnte
// nicht gespeichert werden (/daten/a.kav): Der Datenträger ist voll."
std::string speicherFehlerLogZeile(int typ, const std::string& dateiname, Schreibfehler fehler);
std::string speicherFehlerLogZeile(int typ, const std::string& dateiname, DateiFehler fehler);
// The same for another procedure ("Drucken -> Die Datei konnte nicht …").
std::string speicherFehlerLogZeile(const std::string& prozedur, const std::string& dateiname, DateiFehler fehler);

// The failure rows of opening a file: the file could not be read, is not a
// record file, or could not be taken apart.
Meldung lesenFehlerMeldung(std::string_view sprache);
Meldung unbekanntesFormatMeldung(std::string_view sprache);
Meldung bearbeitenFehlerMeldung(std::string_view sprache);
// Their daily-log lines (the unknown format logs nothing); `pfad` is the
// file's full name as the platform writes it (folder, separator, name).
std::string lesenFehlerLogZeile(const std::string& pfad);
std::string bearbeitenFehlerLogZeile();

// Printing: a printer that failed (its name in the text and the log line),
// and the save dialog of the PDF a printout becomes when no printer is set up.
Meldung druckFehlerMeldung(const std::string& drucker, std::string_view sprache);
std::string druckFehlerLogZeile(const std::string& drucker);
std::string pdfDialogTitel(std::string_view sprache);
inline constexpr char kPdfFilter[] = "PDF (*.pdf)|*.pdf";
inline constexpr char kPdfEndung[] = ".pdf";

} // namespace kav::records
