#include "display_rules.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "typed_values.h"

namespace kav::measure {

namespace {

int als16(std::int64_t v) { return static_cast<int>(std::clamp<std::int64_t>(v, -32768, 32767)); }
} // namespace

std::string zahlText(double wert, int nachkomma, std::string_view trenner) {
    static constexpr double kSkala[] = {1, 10, 100, 1000};
    nachkomma = std::clamp(nachkomma, 0, 3);
    if (!std::isfinite(wert) || std::abs(wert) >= 1e15) {
        // Beyond whole-number rounding; only a damaged record gets here.
        char puffer[64];
        std::snprintf(puffer, sizeof puffer, "%.*f", nachkomma, wert);
        std::string text = puffer;
        // printf writes the C library's separator, which the window's locale may have made a comma.
        if (const auto punkt = text.find_first_of(".,"); punkt != std::string::npos)
            text.replace(punkt, 1, trenner);
        return text;
    }
    const long long n = std::llround(wert * kSkala[nachkomma]);
    const unsigned long long betrag = n < 0 ? 0ull - static_cast<unsigned long long>(n) : n;
    const auto skala = static_cast<unsigned long long>(kSkala[nachkomma]);
    std::string text = n < 0 ? "-" : "";
    text += std::to_string(betrag / skala);
    if (nachkomma > 0) {
        std::string nachkommaText = std::to_string(betrag % skala);
        text += trenner;
        text += std::string(static_cast<std::size_t>(nachkomma) - nachkommaText.size(), '0') + nachkommaText;
    }
    return text;
}

std::string drehzahlText(float drehzahl, std::string_view trenner, const Translator& t) {
    // Rounded before the test: 999.96 becomes 1000.0 and shows as "1000".
    const double gerundet = std::round(static_cast<double>(drehzahl) * 10.0) / 10.0;
    const int nachkomma = gerundet > -1000.0 && gerundet < 1000.0 ? 1 : 0;
    return zahlText(drehzahl, nachkomma, trenner) + " " + T(t, "1/min");
}

std::string frequenzText(std::int32_t hertz, std::string_view trenner, const Translator& t) {
    if (hertz < -999 || hertz >= 1000)
        return zahlText(hertz / 1000.0, 1, trenner) + " " + T(t, "kHz");
    return std::to_string(hertz) + " " + T(t, "Hz");
}

bool istProzentCode(std::uint8_t byte, PercentKind art) {
    return art == PercentKind::Symmetrie ? byte >= 101 && byte < 127 : byte > 100 && byte <= 127;
}

PercentDisplay percentDisplay(std::uint8_t byte, PercentKind art) {
    if (!istProzentCode(byte, art))
        return {vorzeichenbehaftet(byte), false, false};
    PercentDisplay p; // a code shows 0; codes other than 110 and 120 leave the notes
    if (byte == 110)
        p.frequenzZuHoch = true, p.nichtVerfuegbar = false;
    else if (byte == 120)
        p.frequenzZuHoch = false, p.nichtVerfuegbar = true;
    return p;
}

CurrentValuesDisplay currentValuesDisplay(const AktuellWerte& w, std::string_view trenner, const Translator& t) {
    CurrentValuesDisplay d;
    if (w.Impulszahl < 1)
        return d;
    d.anzeigen = true;
    d.impulszahl = std::to_string(w.Impulszahl);
    d.drehzahl = drehzahlText(w.Drehzahl, trenner, t);

    const double betrag = std::abs(static_cast<double>(w.Drehzahl));
    const long long n =
        std::isfinite(betrag) && betrag < 1e15 ? std::llround(betrag) : std::numeric_limits<long long>::max();
    d.maxAnzahl = n <= 6000 ? 6000 : n <= 12000 ? 12000 : 18000;
    if (n <= 18000) {
        d.aktuellAnzahl = static_cast<int>(n);
    } else {
        d.aktuellAnzahl = -1;
        d.benutzerText = "ERROR";
    }

    d.frequenz = frequenzText(w.Frequenz, trenner, t);
    d.symmetrie0 = percentDisplay(w.Symmetrie0, PercentKind::Symmetrie);
    d.symmetrie90 = percentDisplay(w.Symmetrie90, PercentKind::Symmetrie);
    d.phasenlage = percentDisplay(w.Phasenlage, PercentKind::Phasenlage);
    d.versorgungsspannung = zahlText(w.Versorgungsspannung, 1, trenner) + " " + T(t, "V");
    d.stromaufnahme = w.Stromaufnahme < 2001 ? std::to_string(w.Stromaufnahme) + " " + T(t, "mA") : T(t, "--");

    d.spurfehlerZeigen = w.Spurfehler != 0;
    static constexpr const char* kSpur[] = {"", "Fehler 0- und 90-Spur", "Fehler 0-Spur", "Fehler 90-Spur"};
    if (w.Spurfehler >= 1 && w.Spurfehler <= 3)
        d.spurfehlerText = T(t, kSpur[w.Spurfehler]);
    return d;
}

BadPulseDisplay badPulseDisplay(const SchlechtimpulsWerte& w, std::string_view trenner, const Translator& t) {
    BadPulseDisplay d;
    if (w.Drehzahl == 0 && w.PosMaxNegativ == 0 && w.PosMaxPositiv == 0)
        return d;
    d.anzeigen = true;
    d.impulsZahl = als16(w.Impulszahl);
    d.posMax = als16(w.PosMaxPositiv);
    d.max = vorzeichenbehaftet(w.MaxPositiv);
    d.posMin = als16(w.PosMaxNegativ);
    d.min = vorzeichenbehaftet(w.MaxNegativ);
    d.posMaxPositiv = std::to_string(w.PosMaxPositiv);
    d.maxPositiv = std::to_string(d.max);
    d.posMaxNegativ = std::to_string(w.PosMaxNegativ);
    d.maxNegativ = std::to_string(d.min);
    for (std::size_t n = 0; n < 5; ++n) {
        const std::int32_t p = w.AbwPos[n];
        if (p == w.PosMaxNegativ && p == w.PosMaxPositiv)
            continue; // typically all 0: nothing was found
        BadPulseEntry& e = d.eintraege[n];
        e.setzen = true;
        e.position = als16(p);
        e.abweichung = vorzeichenbehaftet(w.AbwWert[n]);
        e.positionText = std::to_string(p);
        e.abweichungText = std::to_string(e.abweichung);
    }
    d.impulszahl = std::to_string(w.Impulszahl);
    // Here the raw value is tested: 999.96 shows as "1000.0".
    const bool ganz = w.Drehzahl <= -1000 || w.Drehzahl >= 1000;
    d.drehzahl = zahlText(w.Drehzahl, ganz ? 0 : 1, trenner) + " " + T(t, "1/min");
    d.frequenz = frequenzText(w.Frequenz, trenner, t);
    d.anzahlAbweichungen = std::to_string(w.AnzahlAbweichungen);
    return d;
}

OscillationDisplay oscillationDisplay(const DrehschwebungWerte& w, std::string_view trenner, const Translator& t) {
    OscillationDisplay d;
    if (w.Impulszahl == 0)
        return d;
    d.anzeigen = true;
    d.impulszahl = std::to_string(w.Impulszahl);
    d.drehzahl = drehzahlText(w.Drehzahl, trenner, t);
    d.frequenz = frequenzText(w.Frequenz, trenner, t);
    d.umdrehungen = std::to_string(w.Umdrehungen) + " " + T(t, "Umdreh.");
    d.minWert = std::to_string(w.MinWert) + " ''";
    d.maxWert = std::to_string(w.MaxWert) + " ''";
    return d;
}

std::vector<std::int16_t> messwerte(const DrehschwebungWerte& w) {
    const std::size_t n =
        std::min<std::size_t>(static_cast<std::size_t>(std::max<int>(w.AnzahlMesswerte, 0)), w.Messdaten.size() / 4);
    std::vector<std::int16_t> out(n);
    for (std::size_t i = 0; i < n; ++i) {
        out[i] = static_cast<std::int16_t>(COM_WertLesen(w.Messdaten.substr(4 * i, 4), "I").toNumber());
    }
    return out;
}

} // namespace kav::measure
