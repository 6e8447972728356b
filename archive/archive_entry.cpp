#include "archive_entry.h"

#include "record_save.h"

namespace kav::archive {

Entry entryFor(const records::Datensatz& result, const records::KopfTexte& header, const LocalTime& taken,
               Source source, std::string_view language) {
    const records::Dateiinhalt inhalt = records::datensatzInhalt(result, header, taken);
    Entry e;
    if (!inhalt.ok())
        e.why = records::speicherFehlerMeldung(inhalt.fehler, language);
    else if (inhalt.bytes.empty())
        e.why = records::keineDatenMeldung(language);
    else
        e.result = NewResult{QByteArray::fromStdString(inhalt.bytes), source, std::nullopt, std::nullopt};
    return e;
}

} // namespace kav::archive
