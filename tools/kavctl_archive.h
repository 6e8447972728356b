#pragma once
// The archive as kavctl reaches it: the archive an option names (or the
// user's own), and the one step that puts a finished result into the archive
// when the command line asked for it (measure, records get, a guided test).
#include <optional>
#include <ostream>
#include <string>

#include "archive.h"
#include "clock.h"
#include "record_file.h"

namespace kav::kavctl {

// Opens the archive at `url`, or the user's own (the window's, created on
// first use) when it is empty. Returns 0, or the exit code after the reason
// on `err`: 64 a URL that cannot be understood, 69 unreachable.
int archiveOeffnen(const std::string& url, archive::Archive& archiv, std::ostream& err);

// The exit code that fits an archive failure (the reason written to `err`).
int archivFehler(const archive::Error& fehler, std::ostream& err);

struct Archivierung {
    std::string url; // --archive; empty: nothing is archived
    archive::Source quelle = archive::Source::Online;
    std::optional<std::string> profil;
    std::optional<std::string> urteil; // "PASS", "FAIL", "INCOMPLETE"
};

// Puts the result with its header texts and time stamp into the archive
// `wunsch.url` names, as the bytes "Daten speichern" writes for it. Returns
// 0 when nothing was asked for or the result is in the archive (added, or
// the same bytes already there); 65 when the result cannot be written as a
// record; 64 or 69 as archiveOeffnen, or 69 when the archive refused it.
int ergebnisArchivieren(const Archivierung& wunsch, const records::Datensatz& ergebnis, const records::KopfTexte& kopf,
                        const LocalTime& zeit, std::ostream& err);

} // namespace kav::kavctl
