#pragma once
// What the three result pages show for a record, as plain values: the window
// copies them into its controls, kavctl into JSON, printing onto paper. Pure
// functions; the decimal separator and the language come in as arguments.
// Fields named "leave" are nullopt when the control keeps what it shows.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "measure_host.h"
#include "result_records.h"

namespace kav::measure {

// A number with `nachkomma` decimals ("0.0": 1, "0": 0), rounded half away
// from zero, with `trenner` as decimal separator; never "-0".
std::string zahlText(double wert, int nachkomma, std::string_view trenner);

// Speed as the current-values and oscillation pages show it: rounded to one
// decimal first; strictly between -1000 and 1000 with one decimal, else as a
// whole number; then " " and T("1/min").
std::string drehzahlText(float drehzahl, std::string_view trenner, const Translator& t);
// Frequency: below -999 or from 1000 on as kHz with one decimal, else whole Hz.
std::string frequenzText(std::int32_t hertz, std::string_view trenner, const Translator& t);

// --- Current values (type 1) ----------------------------------------------------

// One of the percentage displays (ocxSym0, ocxSym90, ocxPhl) with its two
// note labels: true show, false hide, nullopt leave as it is.
struct PercentDisplay {
    int iValue = 0;
    std::optional<bool> frequenzZuHoch;  // labAlle 48/49/50 "Frequenz zu hoch. Messung nicht möglich."
    std::optional<bool> nichtVerfuegbar; // labAlle 52/53/54 "Nicht verfügbar."
};
enum class PercentKind { Symmetrie, Phasenlage };
// Symmetry codes are the bytes 101-126, phase codes 101-127; 110 and 120 have notes.
bool istProzentCode(std::uint8_t byte, PercentKind art);
PercentDisplay percentDisplay(std::uint8_t byte, PercentKind art);

struct CurrentValuesDisplay {
    // Impulszahl below 1: leave the page as it is and do not take the saved copy.
    bool anzeigen = false;
    std::string impulszahl, drehzahl, frequenz, versorgungsspannung, stromaufnahme; // txtAlle 0-4
    // ocxTacho: after TachoSkalaZuruecksetzen (6000) raise MaxAnzahl to maxAnzahl.
    int maxAnzahl = 6000;
    int aktuellAnzahl = 0; // -1 with "ERROR" above 18000 1/min
    std::string benutzerText;
    PercentDisplay symmetrie0, symmetrie90, phasenlage;
    // btnAlle(20): made visible for any track error (a result without one
    // does not hide it); the caption for codes 1-3, other codes leave it.
    bool spurfehlerZeigen = false;
    std::optional<std::string> spurfehlerText;
};
CurrentValuesDisplay currentValuesDisplay(const AktuellWerte& w, std::string_view trenner, const Translator& t);

// --- Bad pulses (type 2) -----------------------------------------------------------

struct BadPulseEntry {
    // False: the entry's position equals both maximum positions; leave its boxes and markers.
    bool setzen = false;
    int position = 0;                         // ocxBadInc1.PosMinN (16-bit)
    int abweichung = 0;                       // ocxBadInc1.MinN, signed percent
    std::string positionText, abweichungText; // txtAlle(9+2(N-1)), txtAlle(10+2(N-1))
};

struct BadPulseDisplay {
    // Speed 0 and both maximum positions 0: show nothing.
    bool anzeigen = false;
    // ocxBadInc1, every value as a 16-bit integer.
    int impulsZahl = 0, posMax = 0, max = 0, posMin = 0, min = 0;
    std::string posMaxPositiv, maxPositiv, posMaxNegativ, maxNegativ; // txtAlle 5, 6, 7, 8
    std::array<BadPulseEntry, 5> eintraege;
    std::string impulszahl, drehzahl, frequenz, anzahlAbweichungen; // txtAlle 21, 20, 19, 33
};
BadPulseDisplay badPulseDisplay(const SchlechtimpulsWerte& w, std::string_view trenner, const Translator& t);

// --- Rotational oscillation (type 3) ---------------------------------------------

struct OscillationDisplay {
    bool anzeigen = false;                                                     // Impulszahl not 0
    std::string impulszahl, drehzahl, frequenz, umdrehungen, minWert, maxWert; // txtAlle 24, 23, 22, 27, 26, 25
};
OscillationDisplay oscillationDisplay(const DrehschwebungWerte& w, std::string_view trenner, const Translator& t);

// The samples held in Messdaten: AnzahlMesswerte of them at most, four hex
// digits each, decoded as "I" (signed 16-bit, low byte first); a byte whose
// digits are not hex reads 0.
std::vector<std::int16_t> messwerte(const DrehschwebungWerte& w);

} // namespace kav::measure
