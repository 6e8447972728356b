#include "verdict_texts.h"

#include <array>
#include <utility>

#include "globals.h"

namespace kav::shell {

namespace {

// German, English; in the order of PText.
constexpr std::array<std::pair<const char*, const char*>, 35> kTexte{{
    {"Prüfprofil", "Test profile"},
    {"Kein Profil", "No profile"},
    {"Profile bearbeiten …", "Edit profiles …"},
    {"Prüflauf …", "Test run …"},
    {"Prüfprofil: %1", "Test profile: %1"},
    {"Für den Prüflauf muss das Gerät verbunden sein.", "The test run needs the device connected."},
    {"Für den Prüflauf bitte zuerst ein Prüfprofil wählen.", "Please choose a test profile for the test run first."},
    {"Ordner für die Prüfprotokolle wählen", "Choose the folder for the test protocols"},
    {"Schritt %1 von %2: %3", "Step %1 of %2: %3"},
    {"Aktuelle Werte", "Current values"},
    {"Schlechtimpulse", "Bad pulses"},
    {"Drehschwebung", "Rotational oscillation"},
    {"Schritt 1 von 3: Aktuelle Werte.\r\nDen Geber mit einer Drehzahl im Drehzahlfenster des Profils drehen und OK "
     "klicken.",
     "Step 1 of 3: current values.\r\nTurn the encoder at a speed within the profile's speed window and click OK."},
    {"Schritt 2 von 3: Schlechtimpulse.\r\nDen Geber gleichmäßig weiterdrehen und OK klicken.",
     "Step 2 of 3: bad pulses.\r\nKeep turning the encoder evenly and click OK."},
    {"Schritt 3 von 3: Drehschwebung.\r\nDen Geber gleichmäßig weiterdrehen und OK klicken.",
     "Step 3 of 3: rotational oscillation.\r\nKeep turning the encoder evenly and click OK."},
    {"Abbrechen", "Cancel"},
    {"Schließen", "Close"},
    {"Prüflauf abgebrochen.", "Test run cancelled."},
    {"ERROR in Schritt %1 (%2): %3", "ERROR in step %1 (%2): %3"},
    {"Gespeichert in %1", "Saved in %1"},
    {"Nicht gespeichert: %1", "Not saved: %1"},
    {"Ergebnis: %1", "Result: %1"},
    {"Prüfprofile", "Test profiles"},
    {"Neu", "New"},
    {"Kopieren", "Copy"},
    {"Speichern", "Save"},
    {"Löschen", "Delete"},
    {"Importieren …", "Import …"},
    {"Exportieren …", "Export …"},
    {"Das Profil \"%1\" löschen?", "Delete the profile \"%1\"?"},
    {"Kopie von %1", "Copy of %1"},
    {"Neues Profil", "New profile"},
    {"die Messung ist fehlgeschlagen", "the measurement failed"},
    {"die Verbindung zum Gerät ist verloren", "the link to the device is lost"},
    {"Prüfling: %1", "Unit: %1"},
}};

} // namespace

QString ptext(PText t) {
    const auto& p = kTexte[static_cast<std::size_t>(t)];
    return QString::fromUtf8(global().Sprache == QLatin1String("D") ? p.first : p.second);
}

} // namespace kav::shell
