#pragma once
// The record header of the device memory (`Datensatzkopf`): 34 bytes as the
// reply of "RD_FramDataHead" carries them, as hex text. Texts are single
// bytes (Windows-1252); date and time bytes are binary, not BCD.
#include <cstddef>
#include <optional>
#include <string>

#include "clock.h"
#include "record_file.h"

namespace kav::records {

inline constexpr std::size_t kDatensatzkopfBytes = 34;

struct Datensatzkopf {
    std::string name;     // bytes 0-9, untrimmed: the list line
    std::string geberSN;  // bytes 11-18, untrimmed
    std::string geraetSN; // bytes 20-25, untrimmed
    LocalTime zeit;       // bytes 27-32: seconds, minutes, hours, day, month, year - 2000
    int typ = 0;          // byte 33

    bool operator==(const Datensatzkopf&) const = default;
};

// The header from a raw reply (hex text, two digits per byte). nullopt when
// the reply holds fewer than 34 bytes or a character that is not a hex digit.
std::optional<Datensatzkopf> datensatzkopfLesen(const std::string& rohHex);

// The list line of a raw reply: the "S" value of its first 20 hex characters
// (the 10-character name, untrimmed).
std::string listenZeile(const std::string& rohHex);

// "07.03.2008 - 09:05:00": day, month, four-digit year, hours, minutes, seconds.
std::string datumText(const LocalTime& zeit);

// Blanks trimmed at both ends (the header panel shows names and serials so).
std::string getrimmt(const std::string& text);

// The texts a device record is saved with, taken from `KopfText` (the whole
// header, one character per byte): the name (the characters before the first
// NUL, at most 10, so it never runs on into the encoder serial), device serial
// (characters 21-26), encoder serial (12-19), and the time stamp from the
// character codes of characters 28-33. The firmware is not in the header; the
// caller adds the one it shows. nullopt when KopfText is shorter than 34.
struct GeraeteKopf {
    KopfTexte texte;
    LocalTime zeit;
};
std::optional<GeraeteKopf> kopfTextTexte(const std::string& kopfText);

} // namespace kav::records
