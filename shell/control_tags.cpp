#include "control_tags.h"

#include <array>

#include "control_indexes.h"

namespace kav::shell {

namespace {

constexpr std::array<const char*, idx::kFrames> kFrameTags = {
    "ONLINE Messungen",
    "Daten vom Gerät",
    "Daten vom Computer",
    "Drehschwebung",
    "Schlechtimpulse",
    "Aktuell",
    "Daten vom Gerät",
    "Daten vom Computer",
    "KAV Connection Info",
    "Verbindung",
    "Info",
};

constexpr std::array<const char*, idx::kButtons> kButtonTags = {
    "Drehschwebung",
    "Schlechtimpulse",
    "Aktuell",
    "Daten vom Gerät",
    "Daten vom Computer",
    "Werte lesen",
    "Zurück",
    "Werte lesen",
    "Zurück",
    "Werte lesen",
    "Zurück",
    "Speichern",
    "Zurück",
    "Öffnen",
    "Zurück",
    "Schließen",
    "Verbindung aufbauen",
    "Daten speichern",
    "Daten speichern",
    "Daten speichern",
    "", // the track-error button: its caption comes from the result shown
};

constexpr std::array<const char*, idx::kLabels> kLabelTags = {
    /* 0 */ "Impulszahl:",
    /* 1 */ "Drehzahl:",
    /* 2 */ "Frequenz:",
    /* 3 */ "Versorgungsspannung:",
    /* 4 */ "Stromaufnahme:",
    /* 5 */ "Max Abweichung Positiv",
    /* 6 */ "Position:",
    /* 7 */ "Wert:",
    /* 8 */ "Max Abweichung Negativ",
    /* 9 */ "Position:",
    /* 10 */ "Wert:",
    /* 11 */ "Abweichung",
    /* 12 */ "Position:",
    /* 13 */ "Wert:",
    /* 14 */ "Symmetrie 0 (Abweichung in %)",
    /* 15 */ "Symmetrie 90 (Abweichung in %)",
    /* 16 */ "Phasenlage (Abweichung in %)",
    /* 17 */ "Impulszahl:",
    /* 18 */ "Drehzahl:",
    /* 19 */ "Frequenz:",
    /* 20 */ "Anzahl von Abweichung:",
    /* 21 */ "Max:",
    /* 22 */ "Aktuell",
    /* 23 */ "Tipp: Mit Hilfe der Knöpfe kommen Sie weiter zur Livedaten Messungen.",
    /* 24 */ "Tipp: Mit \"Werte immer lesen\" wird die Drehschwebung laufend neu gemessen.",
    /* 25 */
    "Tipp: Die Schlechtimpulsmessung dauert einige Sekunden. Mit \"Werte lesen\" "
    "starten Sie eine neue Messung.",
    /* 26 */ "Tipp: Solange \"Werte immer lesen\" gewählt ist, werden die Werte laufend gelesen.",
    /* 27 */ "Tipp: Mit einem Doppelklick auf einen Eintrag werden die Daten aus dem KAV gelesen.",
    /* 28 */ "Tipp: Mit \"Speichern\" legen Sie die angezeigten Daten als Datei auf dem Computer ab.",
    /* 29 */ "Frequenz:",
    /* 30 */ "Drehzahl:",
    /* 31 */ "Impulszahl:",
    /* 32 */ "Min:",
    /* 33 */ "Messung über:",
    /* 34 */
    "Tipp: Wählen Sie das Laufwerk, den Pfad und die Datei, dann klicken Sie auf das "
    "\"Öffnen\" um es zuladen.",
    /* 35 */ "Tipp: Drücken Sie bitte auf \"Verbindung aufbauen\" um mit dem KAV Daten auszutauschen.",
    /* 36 */ "PC / Notebook",
    /* 37 */ "USB Verbindung",
    /* 38 */ "S/N KAV100:",
    /* 39 */ "Firmware:",
    /* 40 */ "Software Version:",
    /* 41 */ "KAV",
    /* 42 */ "Spannungsversorgung",
    /* 43 */ "",
    /* 44 */ "Schlechtimpulse",
    /* 45 */ "Drehschwebung",
    /* 46 */ "Abweichung Positiv",
    /* 47 */ "Abweichung Negativ",
    /* 48 */ "Frequenz zu hoch. Messung nicht möglich.",
    /* 49 */ "Frequenz zu hoch. Messung nicht möglich.",
    /* 50 */ "Frequenz zu hoch. Messung nicht möglich.",
    /* 51 */ "",
    /* 52 */ "Nicht verfügbar.",
    /* 53 */ "Nicht verfügbar.",
    /* 54 */ "Nicht verfügbar.",
    /* 55 */ "S/N Geber:",
    /* 56 */ "Tipp: Hier lesen Sie die im KAV gespeicherten Messungen aus.",
    /* 57 */ "Tipp: Hier öffnen Sie gespeicherte Messungen von diesem Computer.",
    /* 58 */ "Abweichung",
};

constexpr std::array<const char*, idx::kCheckBoxes> kCheckBoxTags = {"Werte immer lesen", "Werte immer lesen"};

template <std::size_t N>
QString tagAt(const std::array<const char*, N>& table, int index) {
    if (index < 0 || index >= static_cast<int>(N))
        return {};
    return QString::fromUtf8(table[static_cast<std::size_t>(index)]);
}

} // namespace

QString frameTag(int index) { return tagAt(kFrameTags, index); }
QString buttonTag(int index) { return tagAt(kButtonTags, index); }
QString labelTag(int index) { return tagAt(kLabelTags, index); }
QString checkBoxTag(int index) { return tagAt(kCheckBoxTags, index); }

} // namespace kav::shell
