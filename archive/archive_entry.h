#pragma once
// A finished result as the archive takes it: the bytes "Daten speichern"
// writes for it (the record file stays the one true copy), used by the window
// and kavctl alike.
#include <optional>
#include <string_view>

#include "archive.h"
#include "clock.h"
#include "record_file.h"
#include "record_texts.h"

namespace kav::archive {

struct Entry {
    std::optional<NewResult> result;     // set when the result could be written as a record
    std::optional<records::Meldung> why; // otherwise what stood in the way, in the language asked for
};

Entry entryFor(const records::Datensatz& result, const records::KopfTexte& header, const LocalTime& taken,
               Source source, std::string_view language = "E");

} // namespace kav::archive
