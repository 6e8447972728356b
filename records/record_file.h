#pragma once
// The record file (".kav"): a 51-character header (`Dateikopf`) and the data
// of one of the three record types, 8-bit characters without line ends.
// Everything here works on bytes in memory; reading and writing the file
// itself is atomic_file.h. Text fields are Windows-1252 bytes on every
// platform, so a file written on Linux opens on Windows and back.
#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

#include "clock.h"
#include "result_records.h"

namespace kav::records {

inline constexpr std::size_t kDateikopfLaenge = 51;
inline constexpr std::size_t kLaengeTyp1 = 95;
inline constexpr std::size_t kLaengeTyp2 = 145;
// Type 3: this plus four characters per sample.
inline constexpr std::size_t kLaengeTyp3OhneMessdaten = 89;

// The four text fields of a `Dateikopf` (Windows-1252 bytes). A writer
// right-aligns them to their widths (8, 8, 6, 10); the reader trims blanks.
struct KopfTexte {
    std::string firmware;
    std::string geberSN;
    std::string geraetSN;
    std::string name;

    bool operator==(const KopfTexte&) const = default;
};

// One record of any of the three types, or none: what a save writes and what
// the reader found.
using Datensatz =
    std::variant<std::monostate, measure::AktuellWerte, measure::SchlechtimpulsWerte, measure::DrehschwebungWerte>;

// Why a writer built no content.
enum class Schreibfehler {
    Keiner,
    KeineDaten,       // the saved copy holds no data ("Interner Fehler 3. Keine Daten im Array.")
    FestkommaBereich, // a fixed-point value outside the signed 16.16 range (or not a number)
    DatumBereich,     // year before 2000 or after 2255, or a date/time part outside 0-255
    Messdaten,        // fewer than AnzahlMesswerte samples in Messdaten, or non-hex samples
};

struct Dateiinhalt {
    Schreibfehler fehler = Schreibfehler::Keiner;
    std::string bytes; // the exact file content; empty on failure

    bool ok() const { return fehler == Schreibfehler::Keiner; }
};

// The writers: the saved copy of a record type, the header texts and the time
// stamp (seconds are whole) to the exact content of a ".kav" file.
Dateiinhalt DateiSchreiben1(const measure::AktuellWerte& werte, const KopfTexte& kopf, const LocalTime& zeit);
// `ohneAbweichungen`: a bad-pulse result without deviations is written too
// (the guided test run keeps it as the proof of a clean encoder; "Daten
// speichern" keeps refusing it).
Dateiinhalt DateiSchreiben2(const measure::SchlechtimpulsWerte& werte, const KopfTexte& kopf, const LocalTime& zeit,
                            bool ohneAbweichungen = false);
Dateiinhalt DateiSchreiben3(const measure::DrehschwebungWerte& werte, const KopfTexte& kopf, const LocalTime& zeit);

// The mth export of a type-3 record (written under "/math" instead of the
// ".kav" file): header texts, CR LF, the date, CR LF, the numbers separated by
// blanks (Drehzahl with `dezimalTrenner`), then the samples as 16-bit
// little-endian binary integers.
Dateiinhalt DateiSchreiben3Mth(const measure::DrehschwebungWerte& werte, const KopfTexte& kopf, const LocalTime& zeit,
                               char dezimalTrenner = '.');
// The mth file's name: the chosen name with its last three characters
// replaced by "mth" (a.kav -> a.mth).
std::string mthDateiname(const std::string& dateiname);

// Text right-aligned to a width: padded with blanks on the left, a longer
// text keeps its last `breite` characters.
std::string rechtsbuendig(std::string_view text, std::size_t breite);

// What the reader found wrong.
enum class Lesefehler {
    Keiner,
    KeineKavDatei,      // not "KAV" or reserved byte not 0: "Unbekanntes Dateiformat"
    Verarbeitungsfehler // a date or data field missing or not hex: the processing-error row
};

// The reader's result. On a processing error, what was taken apart before the
// failing field stays available: the text fields always (once the file is a
// record file), the date when it converted, and never any data.
struct Leseergebnis {
    Lesefehler fehler = Lesefehler::Keiner;
    KopfTexte kopf;            // trimmed
    // Untrimmed, as the file holds them: an export writes them back unchanged.
    KopfTexte kopfWieGespeichert;
    bool datumGelesen = false; // `zeit` holds the file's date and time
    LocalTime zeit;            // year = 2000 + stored byte
    int typ = 0;               // the record type as stored (1-3 have data)
    Datensatz daten;           // set for types 1-3 on success only

    bool ok() const { return fehler == Lesefehler::Keiner; }
};

// Takes a whole file content apart. Never reads past the content: a short
// file, a sample count beyond the samples present or a non-hex character in
// a date or number field is a processing error. Characters after the last
// field are ignored.
Leseergebnis DateiLesen(std::string_view inhalt);

// Copies what a read file holds into the live record of its type, as
// "DateiOeffnen" does (a type-2 file's Frequenz is the one derived from its
// speed and pulse number; the record's GeberSN is the header's). Returns the
// record type filled (0: none).
int inLiveRecord(const Leseergebnis& gelesen, measure::AktuellWerte& typ1, measure::SchlechtimpulsWerte& typ2,
                 measure::DrehschwebungWerte& typ3);

} // namespace kav::records
