#include "language_table.h"

#include <iterator>

namespace kav::texts {

namespace {

// Searched from the top; the first German text that equals the key wins.
// "Min:" and "Max:" stand twice on purpose: the table grew with the screens.
constexpr SprachPaar kTabelle[] = {
    {"Datei", "File"},                                                                                        // 1
    {"Lesen", "Read"},                                                                                        // 2
    {"Speichern", "Save"},                                                                                    // 3
    {"Drucken", "Print"},                                                                                     // 4
    {"Einstellungen", "Settings"},                                                                            // 5
    {"Sprache", "Language"},                                                                                  // 6
    {"Deutsch", "German"},                                                                                    // 7
    {"Englisch", "English"},                                                                                  // 8
    {"Farben", "Colors"},                                                                                     // 9
    {"Beenden", "Exit"},                                                                                      // 10
    {"?", "?"},                                                                                               // 11
    {"Info", "Info"},                                                                                         // 12
    {"Impulszahl:", "Pulse number:"},                                                                         // 13
    {"Drehzahl:", "Speed:"},                                                                                  // 14
    {"Frequenz:", "Frequency:"},                                                                              // 15
    {"Stromaufnahme:", "Current consumption:"},                                                               // 16
    {"Max Abweichung Positiv", "Max deviation Positive"},                                                     // 17
    {"Max Abweichung Negativ", "Max deviation Negative"},                                                     // 18
    {"Abweichung Positiv", "Positive deviation"},                                                             // 19
    {"Abweichung Negativ", "Negative deviation"},                                                             // 20
    {"Position:", "Position:"},                                                                               // 21
    {"Wert:", "Value:"},                                                                                      // 22
    {"Symmetrie 0", "Symmetry 0"},                                                                            // 23
    {"Symmetrie 90", "Symmetry 90"},                                                                          // 24
    {"Phasenlage", "Phase position"},                                                                         // 25
    {"S/N KAV100:", "S/N KAV100:"},                                                                           // 26
    {"Firmware:", "Firmware:"},                                                                               // 27
    {"Software Version:", "Software Version:"},                                                               // 28
    {"Anzahl positive Abweichung:", "Number of positive deviation:"},                                         // 29
    {"Anzahl negative Abweichung:", "Number of negative deviation:"},                                         // 30
    {"Schlechtimpulse", "Bad pulse"},                                                                         // 31
    {"Aktuell", "Actual"},                                                                                    // 32
    {"Werte lesen", "Read values"},                                                                           // 33
    {"Zurück", "Back"},                                                                                       // 34
    {"Werte immer lesen", "Continuous reading"},                                                              // 35
    {"ONLINE Messungen", "ONLINE Measurements"},                                                              // 36
    {"Daten vom Gerät", "Data from device"},                                                                  // 37
    {"Daten vom Computer", "Data from computer"},                                                             // 38
    {"KAV Connection Info", "KAV Connection Info"},                                                           // 39
    {"Verbindung", "Connection"},                                                                             // 40
    {"Schließen", "Close"},                                                                                   // 41
    {"Versorgungsspannung:", "Power supply:"},                                                                // 42
    {"Drehschwebung", "Rotational frequ. modulation"},                                                        // 43
    {"Min:", "Min:"},                                                                                         // 44
    {"Max:", "Max:"},                                                                                         // 45
    {"Messung über:", "Measuring over:"},                                                                     // 46
    {"Umdreh.", "revolut."},                                                                                  // 47
    {"''", "''"},                                                                                             // 48
    {"wird bereits ausgeführt.", "is already in execution."},                                                 // 49
    {"Auslesen der Datei", "Read data"},                                                                      // 50
    {"konnte nicht ausgeführt werden.", "could not be executed."},                                            // 51
    {"Messung der Drehschwebung", "Measurement of rotational frequency modulation"},                          // 52
    {"Schlechtimpulsmessung", "Bad pulse measurement"},                                                       // 53
    {"Messung der Impulszahl", "Pulse rate measurement"},                                                     // 54
    {"Es ist ein Gerätefehler aufgetreten.", "Device error."},                                                // 55
    {"Beenden Sie das Programm", "Finish program"},                                                           // 56
    {"und starten Sie das Gerät neu.", "and restart the device."},                                            // 57
    {"Messung ist bereits aktiv.", "Measurement already active."},                                            // 58
    {"Beenden Sie den Messvorgang", "Finish measurement"},                                                    // 59
    {"und versuchen Sie es dann erneut.", "and try once more."},                                              // 60
    {"KAV muss auf PC-Messung eingestellt sein.", "KAV must set to PC-measurement."},                         // 61
    {"Impulszahl zu niedrig.", "Pulse rate too low."},                                                        // 62
    {"Drehzahl zu niedrig.", "Speed rate too low."},                                                          // 63
    {"Messung nicht möglich!", "Measurement impossible!"},                                                    // 64
    {"Messung nicht möglich.", "Measurement impossible."},                                                    // 65
    {"Die Größe des Arrays ist '000'.", "Size of array is '000'."},                                           // 66
    {"Messung", "Measurement"},                                                                               // 67
    {"Interner Fehler 1. Bestimmung der Position.", "Internal error 1. Determination of position."},          // 68
    {"Messung der Phasenlage", "Measurement of phase angle"},                                                 // 69
    {"Auslesen der Datenanzahl", "Read data"},                                                                // 70
    {"Interner Fehler 2. Daten auslesen", "Internal error 2. Read data"},                                     // 71
    {"Die Datei ist bereits vorhanden.", "File already exists."},                                             // 72
    {"Soll die Datei überschrieben werden?", "Do you want to replace the file?"},                             // 73
    {"Überschreiben?", "Replacing?"},                                                                         // 74
    {"Daten wurden nicht gespeichert.", "Data have not been stored."},                                        // 75
    {"Abbruch", "Cancel"},                                                                                    // 76
    {"Interner Fehler 3. Keine Daten im Array.", "Internal error 3. No data in array."},                      // 77
    {"Interne Fehler", "Internal error"},                                                                     // 78
    {"Unbekanntes Dateiformat", "Unknown data format"},                                                       // 79
    {"Beim lesen der Datei ist ein Fehler aufgetreten.", "Error on data reading."},                           // 80
    {"Fehler beim lesen", "Error on reading"},                                                                // 81
    {"Beim Bearbeiten der Datei ist ein Fehler aufgetreten.", "Error on data processing."},                   // 82
    {"Fehler beim Bearbeiten", "Error on processing"},                                                        // 83
    {"Offline", "Offline"},                                                                                   // 84
    {"Online", "Online"},                                                                                     // 85
    {"Bitte warten.", "Please wait."},                                                                        // 86
    {"Bitte warten Sie.", "Please wait."},                                                                    // 87
    {"Es wird versucht eine Verbindung mit dem Gerät herzustellen.", "Communication trial with the unit."},   // 88
    {"Error", "Error"},                                                                                       // 89
    {"Die Verbindung mit dem KAV100 konnte nicht hergestellt werden.", "Connection to KAV100 not possible."}, // 90
    {"Der Computer konnte das Gerät nicht finden.", "Computer could not find unit."},                         // 91
    {"Schalten Sie Spannungsversorgung ein.", "Switch-on supply voltage."},                                   // 92
    {"1/min", "rpm"},                                                                                         // 93
    {"Hz", "Hz"},                                                                                             // 94
    {"kHz", "kHz"},                                                                                           // 95
    {"Min:", "Min:"},                                                                                         // 96
    {"Max:", "Max:"},                                                                                         // 97
    {"V", "V"},                                                                                               // 98
    {"mA", "mA"},                                                                                             // 99
    {"Verbindung aufbauen", "Connect"},                                                                       // 100
    {"Verbindung beenden", "Disconnect"},                                                                     // 101
    {"Beim Start Verbinden", "Connect on starting"},                                                          // 102
    {"Abweichung", "Deviation"},                                                                              // 103
    {"Anzahl von Abweichung:", "Number of deviations:"},                                                      // 104
    {"Version", "Version"},                                                                                   // 105
    {"Öffnen", "Open"},                                                                                       // 106
    {"Daten speichern", "Save data"},                                                                         // 107
    {"Programm", "Program"},                                                                                  // 108
    {"Hilfe", "Help"},                                                                                        // 109
    {"KAV", "KAV"},                                                                                           // 110
    {"PC / Notebook", "PC / notebook"},                                                                       // 111
    {"USB Verbindung", "USB connection"},                                                                     // 112
    {"Spannungsversorgung", "Power supply"},                                                                  // 113
    {"Symmetrie 0 (Abweichung in %)", "Symmetry 0 (deviation in %)"},                                         // 114
    {"Symmetrie 90 (Abweichung in %)", "Symmetry 90 (deviation in %)"},                                       // 115
    {"Phasenlage (Abweichung in %)", "Phase angle (deviation in %)"},                                         // 116
    {"Frequenz zu hoch. Messung nicht möglich.", "Frequency too high. Measurement impossible."},              // 117
    {"Info über", "Info about"},                                                                              // 118
    {"Nicht verfügbar.", "Not available."},                                                                   // 119
    {"S/N Geber:", "S/N Encoder"},                                                                            // 120
    {"Fehler", "Error"},                                                                                      // 121
    {"beim 'Laufwerk ändern'", "on the drive change"},                                                        // 122
    {"Gespeicherte Daten", "Saved data"},                                                                     // 123
    {"--", "--"},                                                                                             // 124
    {"Ziehen Sie den USB - Stecker, verbinden ihn erneut", "Reconnect the USB connection"},                   // 125
    {"und schalten das KAV100 aus und wieder ein.", "and switch the KAV100 on / off."},                       // 126
    {"Fehler speichern", "Save error"},                                                                       // 127
    {"Fehler 0-Spur", "Error on 0 line"},                                                                     // 128
    {"Fehler 90-Spur", "Error on 90 line"},                                                                   // 129
    {"Fehler 0- und 90-Spur", "Error on 0 and 90 line"},                                                      // 130
    {"zurzeit nicht möglich.", "currently not possible."},                                                    // 131
    {"KAV100 befindet sich im Messmodus.", "KAV100 is in measurement mode."},                                 // 132
    {"Beenden Sie den Messmodus", "Exit measurement mode"},                                                   // 133
    {"und versuchen Sie es erneut.", "and try again."},                                                       // 134
    {"Falsche Programmversion.", "False program version."},                                                   // 135
    {"Es ist Ein Fehler aufgetreten.", "An error occured."},                                                  // 136
    {"Time out.", "Time out."},                                                                               // 137
    // The About window's block: what the program is, where it is described,
    // its licence and where it keeps its settings and logs.
    {"Programm für das Prüfgerät KAV100", "Program for the KAV100 test device"},
    {"Beschreibung und Anleitung: README.md des Projekts", "Description and manual: the project's README.md"},
    {"Lizenz: proprietär, alle Rechte vorbehalten", "Licence: proprietary, all rights reserved"},
    {"Einstellungen:", "Settings:"},
    {"Protokolle:", "Logs:"},
    // Messages of our own: the end of the program when the settings cannot be written.
    {"Die Einstellungen konnten nicht gespeichert werden:", "The settings could not be saved:"},
    // A folder of the file browser that cannot be read.
    {"Der Ordner kann nicht geöffnet werden.", "The folder cannot be opened."},
    // The question before the device's record memory is formatted.
    {"Alle Datensätze im KAV100 werden gelöscht.", "Every record in the KAV100 will be erased."},
    {"Soll der Speicher formatiert werden?", "Format the memory?"},
    {"Speicher formatieren?", "Format memory?"},
    // Saving, opening and printing records: a page title of the save dialog
    // that had no English text, why a save or a printout failed, and the PDF
    // a printout becomes when no printer is set up.
    {"Schlechte Impulse", "Bad pulses"},
    {"Die Datei konnte nicht gespeichert werden.", "The file could not be saved."},
    {"Fehler beim Speichern", "Error on saving"},
    {"Der Datenträger ist voll.", "The disk is full."},
    {"Keine Berechtigung zum Schreiben.", "No permission to write."},
    {"Der Dateiname ist ungültig.", "The file name is not valid."},
    {"Beim Schreiben ist ein Fehler aufgetreten.", "An error occurred while writing."},
    {"Ein Wert liegt außerhalb des speicherbaren Bereichs.", "A value is outside the range a record file can hold."},
    {"Die Seite konnte nicht gedruckt werden.", "The page could not be printed."},
    {"Der Drucker meldet einen Fehler.", "The printer reported an error."},
    {"Fehler beim Drucken", "Error on printing"},
    {"Kein Drucker eingerichtet: Seite als PDF speichern", "No printer set up: save the page as PDF"},
    {"Verlauf der aktuellen Werte", "Trend of the current values"},
    {"Drehzahl (1/min)", "Speed (rpm)"},
    {"Frequenz (Hz)", "Frequency (Hz)"},
    {"Versorgungsspannung (V)", "Power supply (V)"},
    {"Stromaufnahme (mA)", "Current consumption (mA)"},
    {"Anzahl", "Count"},
    {"Mittelwert", "Mean"},
    {"Zeit:", "Time:"},
    {"Lücke, Code", "Gap, code"},
    {"Anhalten", "Pause"},
    {"Fortsetzen", "Resume"},
    {"Leeren", "Clear"},
    {"CSV exportieren", "Export CSV"},
    {"CSV-Datei (*.csv)|*.csv", "CSV file (*.csv)|*.csv"},
    {"Angehalten", "Paused"},
    {"Der Verlauf ist voll (24 Stunden).", "The trend is full (24 hours)."},
};

} // namespace

const SprachPaar* englischTabelle(int* anzahl) {
    if (anzahl)
        *anzahl = static_cast<int>(std::size(kTabelle));
    return kTabelle;
}

std::optional<std::string> englischerText(std::string_view deutsch) {
    for (const SprachPaar& p : kTabelle)
        if (deutsch == p.deutsch)
            return std::string(p.englisch);
    return std::nullopt;
}

std::string sprachText(std::string_view deutsch, std::string_view sprache) {
    if (deutsch.empty())
        return {};
    if (sprache == "D")
        return std::string(deutsch);
    if (auto en = englischerText(deutsch))
        return *en;
    return std::string(deutsch);
}

} // namespace kav::texts
