#include "own_texts.h"

#include <string_view>
#include <utility>

#include "globals.h"
#include "language.h"

namespace kav::shell {

namespace {
constexpr std::pair<const char*, const char*> kTexte[] = {
    {"Verlauf", "Trend"},
    {"Verlauf der aktuellen Werte anzeigen", "Show the trend of the current values"},
    {"Verlauf des Gebers", "History of the encoder"},
    {"Drucken", "Print"},
    {"Tests", "Tests"},
    {"Keine archivierten Ergebnisse für diesen Geber.", "No archived results for this encoder."},
    {"Das Archiv konnte nicht gelesen werden.", "The archive could not be read."},
    {"Verlauf.csv", "History.csv"},
    {"ohne Urteil", "not judged"},
    {"Test", "Test"},
    {"Urteil", "Verdict"},
    {"Impulszahl", "Pulses"},
    {"Symmetrie 0 (%)", "Symmetry 0 (%)"},
    {"Symmetrie 90 (%)", "Symmetry 90 (%)"},
    {"Phasenlage (%)", "Phase (%)"},
    {"Schlechtimpulse", "Bad pulses"},
    {"Größte Abweichung + (%)", "Largest deviation + (%)"},
    {"Größte Abweichung - (%)", "Largest deviation - (%)"},
};
} // namespace

QString eigenerText(const char* deutsch) {
    if (global().Sprache != QLatin1String("D"))
        for (const auto& [de, en] : kTexte)
            if (std::string_view(de) == std::string_view(deutsch))
                return QString::fromUtf8(en);
    return SprachText(QString::fromUtf8(deutsch));
}

} // namespace kav::shell
