#pragma once
// The one calling convention of every device operation: find the command by
// name, fill in its parameters, execute one transaction, test the reply for
// failure, and only then decode it by its type letter. A failed reply never
// reaches a type letter, so it can never come back as a plausible number.
#include <string>

#include "com_value.h"

namespace kav {

class ComUSB;

// Value numbers of "RD_Info" as the program reads them.
namespace wert {
inline constexpr int Firmware = 0;
inline constexpr int GeraetSN = 3;
inline constexpr int Geraetestatus = 8;
inline constexpr int GeberSN = 18;
inline constexpr int Impulszahl = 24;
inline constexpr int Drehzahl = 25;
inline constexpr int Frequenz = 26;
inline constexpr int Symmetrie0 = 27;
inline constexpr int Symmetrie90 = 28;
inline constexpr int Phasenlage = 29;
inline constexpr int Spurfehler = 30;
inline constexpr int Versorgungsspannung = 32;
inline constexpr int Stromaufnahme = 33;
inline constexpr int Umdrehungen = 56;
inline constexpr int MinWert = 57;
inline constexpr int MaxWert = 58;
inline constexpr int SpitzeSpitze = 59;
inline constexpr int DrehschwebungArray = 60;
inline constexpr int MaxPositiv = 65;
inline constexpr int PosMaxPositiv = 66;
inline constexpr int MaxNegativ = 67;
inline constexpr int PosMaxNegativ = 68;
inline constexpr int AbwWertArray = 69;
inline constexpr int AbwPosArray = 70;
inline constexpr int AnzahlAbweichungen = 71;
} // namespace wert

enum class Aufruffehler {
    Keiner,
    NichtGelistet,     // the device's command list has no such command
    UngueltigeAnfrage, // no request could be built (a parameter beyond its place's range)
    Fehlerwort,        // "ERROR", "ERROR_CHK", "ERROR_INTERN" or no reply text at all
    Geraetefehler,     // a device error report, a text beginning with ","
};

struct Aufruf {
    Aufruffehler fehler = Aufruffehler::Keiner;
    // The reply as the transaction returned it: payload hex text, a sentinel
    // in hex, a device error text, or empty.
    std::string roh;
    // The reply decoded with "S": the failure word or error text on failure.
    std::string text;
    // The reply decoded with the caller's type letter; empty on failure.
    ComValue wert;
    // UngueltigeAnfrage: why no request was sent ("parameter 1 (1e20) cannot be encoded: beyond 32 bits").
    std::string anfrageGrund;

    bool ok() const { return fehler == Aufruffehler::Keiner; }
    // A short reason for messages and logs: "" when ok, "not listed", why
    // the request is invalid, or the failure word / device error text.
    std::string grund() const;
};

// What a reply means: Keiner, Fehlerwort or Geraetefehler.
Aufruffehler antwortPruefen(const std::string& roh);

// By name (the usual way).
Aufruf geraetAufruf(ComUSB& link, const std::string& name, const std::string& parameter, const std::string& typ = "S");
// With a structure text already looked up.
Aufruf strukturAufruf(ComUSB& link, const std::string& struktur, const std::string& parameter,
                      const std::string& typ = "S");
// With a request already built (the command-list query, whose code the program knows).
Aufruf anfrageAufruf(ComUSB& link, std::string anfrage, const std::string& typ = "S");

// "RD_Info" with a value number.
inline Aufruf wertLesen(ComUSB& link, int wertNummer, const std::string& typ) {
    return geraetAufruf(link, "RD_Info", std::to_string(wertNummer), typ);
}

} // namespace kav
