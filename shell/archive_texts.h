#pragma once
// The archive's own texts in the window, German and English.
#include <QString>

namespace kav::shell {

enum class ArchivText {
    InsArchiv,
    Menue,
    MenueOeffnen,
    Titel,
    GeberSN,
    GeraetSN,
    Von,
    Bis,
    Typ,
    Urteil,
    Alle,
    Typ1,
    Typ2,
    Typ3,
    Suchen,
    Oeffnen,
    ExportKav,
    ExportCsv,
    Verlauf,
    Exportordner,
    Ablage,
    Uebernehmen,
    SpalteNr,
    SpalteAufgenommen,
    SpalteQuelle,
    SpalteName,
    Ergebnisse,      // %1 results
    Exportiert,      // %1 files, %2 folder
    CsvGeschrieben,  // %1 file
    NichtErreichbar, // %1 reason
    NichtArchiviert, // %1 reason
    ZuerstStartseite,
    NichtsGewaehlt,
    CsvTitel,
};

// In the program's current language (global().Sprache).
QString archivText(ArchivText t);

} // namespace kav::shell
