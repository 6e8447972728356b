#pragma once
// One record of each type with known contents, for the tests of files,
// printing and kavctl: the type-1 percentages are a signed value (200: -56),
// "not available" (120) and "frequency too high" (110); the type-2 list has
// two entries; the type-3 samples are -35, 10, 40 and then 40 again.
#include "result_records.h"

namespace kav::test {

inline measure::AktuellWerte beispielAktuell() {
    measure::AktuellWerte a;
    a.Impulszahl = 1024;
    a.Drehzahl = 1500.5f;
    a.Frequenz = 25600;
    a.Versorgungsspannung = 24.0f;
    a.Stromaufnahme = 65;
    a.Symmetrie0 = 200;
    a.Symmetrie90 = 120;
    a.Phasenlage = 110;
    return a;
}

inline measure::SchlechtimpulsWerte beispielSchlechtimpulse() {
    measure::SchlechtimpulsWerte s;
    s.Impulszahl = 1024;
    s.Drehzahl = 1200;
    s.AnzahlAbweichungen = 3;
    s.PosMaxPositiv = 300;
    s.MaxPositiv = 12;
    s.PosMaxNegativ = 700;
    s.MaxNegativ = 250;
    s.AbwPos = {90, 410, 0, 0, 0};
    s.AbwWert = {3, 253, 0, 0, 0};
    return s;
}

inline measure::DrehschwebungWerte beispielDrehschwebung(int anzahl = 3) {
    measure::DrehschwebungWerte d;
    d.Impulszahl = 1024;
    d.Drehzahl = 3000;
    d.Frequenz = 51200;
    d.Umdrehungen = 1;
    d.MinWert = -35;
    d.MaxWert = 40;
    d.AnzahlMesswerte = static_cast<std::int16_t>(anzahl);
    d.Messdaten = "DDFF0A00"; // -35, 10, low byte first
    for (int i = 2; i < anzahl; ++i)
        d.Messdaten += "2800"; // 40
    return d;
}

} // namespace kav::test
