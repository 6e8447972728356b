#pragma once
// Saving a record as a file, as "Speichern" and "Daten speichern" do and as
// kavctl's --save does: the writer of the record's type (the mth export for a
// type-3 record under "/math"), the atomic replacement of the target, and what
// a failure means to the user and to the daily log.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "record_file.h"
#include "record_texts.h"

namespace kav::records {

struct Speicherergebnis {
    enum class Art {
        Gespeichert,
        KeinTyp,    // no record to write: nothing happens
        KeineDaten, // the record holds no data ("Interner Fehler 3. Keine Daten im Array.")
        Fehler,     // the content could not be built or the file not written
    };
    Art art = Art::KeinTyp;
    std::filesystem::path ziel; // the file written or meant (the mth name for the mth export)
    std::optional<Meldung> meldung; // what to show
    std::string logZeile;           // the daily-log line ("" none)

    bool ok() const { return art == Art::Gespeichert; }
};

struct Speicherwunsch {
    bool mth = false;          // a type-3 record as the mth export beside `datei`
    char dezimalTrenner = '.'; // the mth export's Drehzahl
    std::string_view sprache = "E";
};

// Writes `daten` with the header texts and time stamp; nothing is written on
// failure and an existing file stays as it was.
Speicherergebnis datensatzSpeichern(const Datensatz& daten, const std::filesystem::path& datei, const KopfTexte& kopf,
                                    const LocalTime& zeit, const Speicherwunsch& wunsch);

// The bytes the save writes, without writing them (for the archive, which
// keeps exactly what the file holds).
Dateiinhalt datensatzInhalt(const Datensatz& daten, const KopfTexte& kopf, const LocalTime& zeit,
                            const Speicherwunsch& wunsch = {});

// The record type a record holds (0 none).
int datensatzTyp(const Datensatz& daten);

} // namespace kav::records
