#include "archive_texts.h"

#include <array>
#include <utility>

#include "globals.h"

namespace kav::shell {

namespace {

// German, English; in the order of ArchivText.
constexpr std::array<std::pair<const char*, const char*>, 34> kTexte{{
    {"Ins Archiv", "Archive results"},
    {"Archiv", "Archive"},
    {"Archiv durchsuchen", "Search the archive"},
    {"Archiv", "Archive"},
    {"Geber-SN", "Encoder serial"},
    {"Geräte-SN", "Device serial"},
    {"Von", "From"},
    {"Bis", "To"},
    {"Typ", "Type"},
    {"Urteil", "Verdict"},
    {"Alle", "All"},
    {"Aktuelle Werte", "Current values"},
    {"Schlechtimpulse", "Bad pulses"},
    {"Drehschwebung", "Rotational oscillation"},
    {"Suchen", "Search"},
    {"Öffnen", "Open"},
    {"Als .kav exportieren", "Export as .kav"},
    {"Als CSV exportieren", "Export as CSV"},
    {"Verlauf", "History"},
    {"Exportordner", "Export folder"},
    {"Archiv-Ablage", "Archive location"},
    {"Übernehmen", "Apply"},
    {"Nr.", "No."},
    {"Aufgenommen", "Taken"},
    {"Quelle", "Source"},
    {"Name", "Name"},
    {"%1 Ergebnisse", "%1 results"},
    {"%1 Dateien exportiert nach %2", "%1 files exported to %2"},
    {"CSV geschrieben: %1", "CSV written: %1"},
    {"Archiv nicht erreichbar: %1", "Archive unreachable: %1"},
    {"Ergebnis nicht archiviert: %1", "Result not archived: %1"},
    {"Zum Öffnen zuerst zur Startseite zurückkehren.", "Go back to the start page to open a result."},
    {"Nichts ausgewählt.", "Nothing selected."},
    {"Auswahl als CSV speichern", "Save the selection as CSV"},
}};

} // namespace

QString archivText(ArchivText t) {
    const auto& e = kTexte.at(static_cast<std::size_t>(t));
    return QString::fromUtf8(global().Sprache == QLatin1String("D") ? e.first : e.second);
}

} // namespace kav::shell
