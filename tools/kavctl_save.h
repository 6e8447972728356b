#pragma once
// A result written as a record file from kavctl, with the window's writers and
// its atomic replacement: `measure --save` and `records get --save`.
#include <ostream>
#include <string>
#include <variant>

#include "clock.h"
#include "record_file.h"
#include "result_records.h"

namespace kav::kavctl {

using Ergebnis =
    std::variant<std::monostate, measure::AktuellWerte, measure::SchlechtimpulsWerte, measure::DrehschwebungWerte>;

// A record file's name: it ends in ".kav" (any letter case), so the file
// browser lists it and the record name can be cut from it.
bool kavDateiname(const std::string& datei);

// Writes the result with the header texts and time stamp to `datei`
// atomically. Returns 0; 3 when the result holds no data ("Interner Fehler 3.
// Keine Daten im Array."); 73 when a value is out of the file's range or the
// file cannot be written (the save failure message with its reason). Nothing
// is written on failure; messages go to `err` in `sprache`.
int ergebnisSpeichern(const std::string& datei, const Ergebnis& ergebnis, const records::KopfTexte& kopf,
                      const LocalTime& zeit, const std::string& sprache, std::ostream& err);

} // namespace kav::kavctl
