#pragma once
// The records kept in the device's memory: listing them ("DatenVomG") and
// loading one as the device's current result (double-click in the list).
// Every exchange goes through the one device-call path; the outcomes say what
// the window shows and logs, so the window and kavctl share the logic.
#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "device_header.h"
#include "record_texts.h"

namespace kav {
class ComUSB;
}

namespace kav::records {

// A line for the daily log: `nurDebug` lines are written only with "/debug",
// the others (an error handler's) always.
struct LogZeile {
    bool nurDebug = true;
    std::string text;

    bool operator==(const LogZeile&) const = default;
};

enum class Listenergebnis {
    Ok,                  // `zeilen` holds the n records (0 to 254)
    AnzahlNichtGelistet, // "RD_FramDataNum" not listed: no message, a debug line
    AnzahlFehler,        // the count read failed: "Auslesen der Datenanzahl" / "konnte nicht ausgeführt werden."
    Messmodus,           // count 255: the measuring-mode message, nothing listed
    KopfNichtGelistet,   // "RD_FramDataHead" not listed: no message, nothing listed
    KopfFehler,          // a header read failed: "Interner Fehler 2. Daten auslesen"; lines so far stay
};

struct Auflistung {
    Listenergebnis ergebnis = Listenergebnis::Ok;
    int anzahl = -1; // the count as read (-1: not read)
    // The list lines, untrimmed (10 characters, Windows-1252); line k is record k.
    std::vector<std::string> zeilen;
    // `KopfListe`: the raw reply of record k's header at index k, "" for the rest.
    std::array<std::string, 256> KopfListe{};
    std::vector<LogZeile> log;
    // KopfFehler: the index whose header read failed.
    int fehlerIndex = -1;

    bool hatMeldung() const;
};

// Lists the records; `beiZeile` (may be empty) is called for each line as it
// is added, so a window can show the list grow.
Auflistung DatenVomG(ComUSB& link, const std::function<void(int, const std::string&)>& beiZeile = {});

// The message of a listing outcome (OK button, no title); empty text when the
// outcome shows none.
Meldung listenMeldung(Listenergebnis ergebnis, std::string_view sprache);
// The measuring-mode message (listing, record loading, administrator commands).
std::string messmodusText(std::string_view sprache);

enum class Ladeergebnis {
    Ok,
    KeineAuswahl,  // no listed line at that index: nothing is sent, nothing changes
    NichtGelistet, // "RD_FramData" not listed: no message, a debug line; failure
    Fehler,        // "RD_FramData" failed: "Auslesen der Datei" / "konnte nicht ausgeführt werden."
};

// The header panel of a loaded record.
struct KopfAnzeige {
    std::string name;     // txtAlle(37), trimmed
    std::string geberSN;  // txtAlle(38), trimmed
    std::string geraetSN; // txtAlle(30), trimmed
    std::string datum;    // txtAlle(36), "07.03.2008 - 09:05:00"

    bool operator==(const KopfAnzeige&) const = default;
};

struct Ladung {
    Ladeergebnis ergebnis = Ladeergebnis::KeineAuswahl;
    // Ok: the header panel's values; on failure the window empties txtAlle 36, 37 and 38.
    KopfAnzeige anzeige;
    int AktDateiTyp = 0;  // the record type; 0 on failure
    std::string KopfText; // the whole header, one character per byte (NULs included)
    std::vector<LogZeile> log;
};

// Loads record `index` (the list's ListIndex) with its header from
// `KopfListe`. On Ok the window arms the status check (tmrDateVomG), which
// reads the record's values by AktDateiTyp.
Ladung datensatzLaden(ComUSB& link, int index, const std::array<std::string, 256>& KopfListe);
Meldung ladeMeldung(Ladeergebnis ergebnis, std::string_view sprache);

// The header panel values of a header (as loading fills them).
KopfAnzeige kopfAnzeige(const Datensatzkopf& kopf);

} // namespace kav::records
