#pragma once
// The verdict on a printout: a band above the header line with the result
// (PASS green, FAIL red, INCOMPLETE amber), the profile's name and every
// check that did not pass. It is added to the page's extra elements, so the
// page's own layout, and a printout without a profile, stay as they are.
#include <QColor>
#include <string>
#include <string_view>

#include "judge.h"
#include "printout.h"

namespace kav::verdict {

// The strong colour of an outcome (text and border) and its pale fill.
QColor outcomeColor(Outcome o);
QColor outcomeFill(Outcome o);

// The band's place: above the header line (which stands at 1500 twips),
// as wide as the narrowest printable area of A4 and Letter.
inline constexpr double kBandLeft = 600;
inline constexpr double kBandTop = 120;
inline constexpr double kBandWidth = 10200;
inline constexpr double kBandHeight = 1230;

// "Prüfprofil" / "Test profile".
QString profileCaption(std::string_view sprache);

// Puts the band onto `seite` (profile name UTF-8; texts in "D" or "E").
void addVerdictBand(records::Druckseite& seite, const Verdict& v, const std::string& profileName,
                    std::string_view sprache);

} // namespace kav::verdict
