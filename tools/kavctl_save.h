#pragma once
// A result written as a record file from kavctl, through the same save as the
// window's: `measure --save` and `records get --save`.
#include <ostream>
#include <string>

#include "clock.h"
#include "record_file.h"

namespace kav::kavctl {

// A record file's name: it ends in ".kav" (any letter case), so the file
// browser lists it and the record name can be cut from it.
bool kavDateiname(const std::string& datei);

// Writes the record with the header texts and time stamp to `datei`
// atomically. Returns 0; 3 when the record holds no data ("Interner Fehler 3.
// Keine Daten im Array."); 73 when a value is out of the file's range or the
// file cannot be written (the save failure message with its reason). Nothing
// is written on failure; messages go to `err` in `sprache`.
int ergebnisSpeichern(const std::string& datei, const records::Datensatz& ergebnis, const records::KopfTexte& kopf,
                      const LocalTime& zeit, const std::string& sprache, std::ostream& err);

} // namespace kav::kavctl
