#pragma once
// The three result records, one per measurement kind, each with the serial
// number of the encoder it was measured on. The type numbers 1, 2
// and 3 are the same in the device's record headers, in record files and in
// the readout names. Each kind is kept twice by the window: the live record
// (filled by a readout or the file reader) and the saved copy (taken by the
// display, written by "Daten speichern").
#include <array>
#include <cstdint>
#include <string>

namespace kav::measure {

// Type 1: current values.
struct AktuellWerte {
    std::int32_t Impulszahl = 0;    // pulses per revolution
    float Drehzahl = 0;             // 1/min, signed
    std::int32_t Frequenz = 0;      // Hz
    float Versorgungsspannung = 0;  // V
    std::int16_t Stromaufnahme = 0; // mA
    std::uint8_t Symmetrie0 = 0;    // signed percent (two's complement) or a code 101-126
    std::uint8_t Symmetrie90 = 0;   // as Symmetrie0
    std::uint8_t Phasenlage = 0;    // signed percent or a code 101-127
    std::uint8_t Spurfehler = 0;    // 0 none, 1 both tracks, 2 track 0, 3 track 90
    // The encoder's serial number as the device sent it (Windows-1252).
    std::string GeberSN{};

    bool operator==(const AktuellWerte&) const = default;
};

// Type 2: bad pulses.
struct SchlechtimpulsWerte {
    std::int32_t PosMaxNegativ = 0;
    std::uint8_t MaxNegativ = 0; // signed percent
    std::int32_t PosMaxPositiv = 0;
    std::uint8_t MaxPositiv = 0; // signed percent
    std::array<std::int32_t, 5> AbwPos{};
    std::array<std::uint8_t, 5> AbwWert{}; // signed percent
    std::int32_t AnzahlAbweichungen = 0;
    std::int32_t Impulszahl = 0;
    float Drehzahl = 0;
    std::int32_t Frequenz = 0; // not held in record files: read back as Drehzahl x Impulszahl / 60
    // The encoder's serial number as the device sent it (Windows-1252).
    std::string GeberSN{};

    bool operator==(const SchlechtimpulsWerte&) const = default;
};

// Type 3: rotational oscillation.
struct DrehschwebungWerte {
    // Four hex digits per sample as the device sent them (low byte first,
    // type letter "I"), arc seconds.
    std::string Messdaten;
    // Never more than the samples Messdaten holds.
    std::int16_t AnzahlMesswerte = 0;
    std::int32_t Impulszahl = 0;
    float Drehzahl = 0;
    std::int32_t Frequenz = 0;
    std::uint8_t Umdrehungen = 0;
    std::int16_t MinWert = 0;
    std::int16_t MaxWert = 0;
    // The encoder's serial number as the device sent it (Windows-1252).
    std::string GeberSN{};

    bool operator==(const DrehschwebungWerte&) const = default;
};

// Whether a saved copy holds something to save: Impulszahl >= 1 (type 1),
// AnzahlAbweichungen >= 1 (type 2), AnzahlMesswerte >= 1 (type 3).
bool hatDaten(const AktuellWerte& w);
bool hatDaten(const SchlechtimpulsWerte& w);
bool hatDaten(const DrehschwebungWerte& w);

// The signed value of a percentage byte (two's complement).
inline int vorzeichenbehaftet(std::uint8_t b) { return b >= 128 ? b - 256 : b; }

} // namespace kav::measure
