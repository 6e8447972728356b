#pragma once
// Reading a whole file and replacing one atomically. A save writes a
// temporary file in the target's folder, flushes it to the disk and renames
// it over the target, so a crash or a full disk leaves either the old file or
// the new one, complete, never a mixture and never nothing.
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace kav::records {

enum class DateiFehler {
    Keiner,
    NichtGefunden,   // the file (or its folder) does not exist
    IstOrdner,       // the name is a folder
    KeineRechte,     // no permission (or a read-only file or medium)
    KeinPlatz,       // disk or quota full
    UngueltigerName, // a name the file system refuses
    EAFehler,        // any other read or write error
};

struct DateiGelesen {
    DateiFehler fehler = DateiFehler::Keiner;
    std::string inhalt; // every byte, one character per byte

    bool ok() const { return fehler == DateiFehler::Keiner; }
};

DateiGelesen dateiLesen(const std::filesystem::path& pfad);

// Replaces (or creates) `ziel` with `inhalt`. On any failure the target is
// untouched and no temporary file is left behind.
DateiFehler atomarSchreiben(const std::filesystem::path& ziel, std::string_view inhalt);

// The temporary file a save writes first: the target's name with ".tmp" and
// the number, or, when that would be longer than a file system allows, a
// short name in the target's folder.
std::filesystem::path temporaererName(const std::filesystem::path& ziel, unsigned long long nummer);

// What an errno value of a failed file operation means.
DateiFehler dateiFehlerAusErrno(int fehlernummer);

namespace platform {
// Implemented per platform (atomic_file_posix.cpp, atomic_file_win.cpp).
// Creates `pfad` exclusively for writing; returns an errno value (0 success).
int exklusivAnlegen(const std::filesystem::path& pfad, std::FILE*& datei);
// Flushes the stream's data to the disk; returns an errno value.
int aufPlatte(std::FILE* datei);
// Renames `von` over `nach`, replacing an existing file atomically; returns an errno value.
int ersetzen(const std::filesystem::path& von, const std::filesystem::path& nach);
// An existing file the process may not write counts as "no rights" (renaming
// over it would otherwise succeed where the file itself is read-only).
bool schreibgeschuetzt(const std::filesystem::path& pfad);
} // namespace platform

} // namespace kav::records
