// What the pages show: formatting and thresholds with their edge cases.
#include <gtest/gtest.h>

#include "display_rules.h"
#include "language_table.h"

namespace kav::measure {
namespace {

const Translator kEnglisch = [](const std::string& d) { return texts::sprachText(d, "E"); };
const Translator kDeutsch = [](const std::string& d) { return texts::sprachText(d, "D"); };

TEST(Display, NumberTexts) {
    struct Case {
        double wert;
        int nachkomma;
        const char* text;
    };
    for (const Case& c : {Case{999.94, 1, "999.9"}, Case{0.25, 1, "0.3"}, Case{-0.25, 1, "-0.3"}, Case{-0.04, 1, "0.0"},
                          Case{2.5, 0, "3"}, Case{-1000.4, 0, "-1000"}, Case{24.0, 1, "24.0"}})
        EXPECT_EQ(zahlText(c.wert, c.nachkomma, "."), c.text) << c.wert;
    EXPECT_EQ(zahlText(23.96, 1, ","), "24,0");
}

TEST(Display, SpeedRoundsBeforeItsTest) {
    struct Case {
        float drehzahl;
        const char* english;
    };
    for (const Case& c : {Case{999.94f, "999.9 rpm"}, Case{999.96f, "1000 rpm"}, Case{-1000.4f, "-1000 rpm"},
                          Case{-999.94f, "-999.9 rpm"}, Case{1500.0f, "1500 rpm"}, Case{0.0f, "0.0 rpm"}})
        EXPECT_EQ(drehzahlText(c.drehzahl, ".", kEnglisch), c.english) << c.drehzahl;
    EXPECT_EQ(drehzahlText(12.34f, ",", kDeutsch), "12,3 1/min");
}

TEST(Display, Frequency) {
    struct Case {
        std::int32_t hz;
        const char* text;
    };
    for (const Case& c : {Case{999, "999 Hz"}, Case{1000, "1.0 kHz"}, Case{-999, "-999 Hz"}, Case{-1000, "-1.0 kHz"},
                          Case{25600, "25.6 kHz"}, Case{0, "0 Hz"}})
        EXPECT_EQ(frequenzText(c.hz, ".", kEnglisch), c.text) << c.hz;
}

TEST(Display, PercentCodesAndNotes) {
    using K = PercentKind;
    struct Case {
        std::uint8_t byte;
        K art;
        int iValue;
        std::optional<bool> frequenz, verfuegbar;
    };
    const Case cases[] = {
        {5, K::Symmetrie, 5, false, false},
        {200, K::Symmetrie, -56, false, false},
        {127, K::Symmetrie, 127, false, false},
        {127, K::Phasenlage, 0, std::nullopt, std::nullopt},
        {110, K::Symmetrie, 0, true, false},
        {120, K::Phasenlage, 0, false, true},
        {101, K::Symmetrie, 0, std::nullopt, std::nullopt},
        {100, K::Phasenlage, 100, false, false},
        {126, K::Symmetrie, 0, std::nullopt, std::nullopt},
        {128, K::Phasenlage, -128, false, false},
    };
    for (const Case& c : cases) {
        const PercentDisplay p = percentDisplay(c.byte, c.art);
        EXPECT_EQ(p.iValue, c.iValue) << int(c.byte);
        EXPECT_EQ(p.frequenzZuHoch, c.frequenz) << int(c.byte);
        EXPECT_EQ(p.nichtVerfuegbar, c.verfuegbar) << int(c.byte);
    }
}

TEST(Display, CurrentValuesGaugeAndBoxes) {
    struct Case {
        float drehzahl;
        int maxAnzahl, aktuell;
        const char* benutzerText;
    };
    for (const Case& c : {Case{-7000, 12000, 7000, ""}, Case{6000, 6000, 6000, ""}, Case{6000.4f, 6000, 6000, ""},
                          Case{12001, 18000, 12001, ""}, Case{18000, 18000, 18000, ""}, Case{18001, 18000, -1, "ERROR"},
                          Case{-30000, 18000, -1, "ERROR"}}) {
        AktuellWerte w;
        w.Impulszahl = 1024;
        w.Drehzahl = c.drehzahl;
        const CurrentValuesDisplay d = currentValuesDisplay(w, ".", kEnglisch);
        EXPECT_EQ(d.maxAnzahl, c.maxAnzahl) << c.drehzahl;
        EXPECT_EQ(d.aktuellAnzahl, c.aktuell) << c.drehzahl;
        EXPECT_EQ(d.benutzerText, c.benutzerText) << c.drehzahl;
    }
    AktuellWerte w;
    w.Impulszahl = 1024;
    w.Versorgungsspannung = 23.96f;
    for (const auto& [strom, text] : {std::pair{2000, "2000 mA"}, std::pair{2001, "--"}, std::pair{-5, "-5 mA"}}) {
        w.Stromaufnahme = static_cast<std::int16_t>(strom);
        EXPECT_EQ(currentValuesDisplay(w, ".", kEnglisch).stromaufnahme, text);
    }
    const CurrentValuesDisplay d = currentValuesDisplay(w, ",", kDeutsch);
    EXPECT_TRUE(d.anzeigen);
    EXPECT_EQ(d.impulszahl, "1024");
    EXPECT_EQ(d.versorgungsspannung, "24,0 V");
    w.Impulszahl = 0;
    EXPECT_FALSE(currentValuesDisplay(w, ".", kEnglisch).anzeigen);
}

TEST(Display, TrackErrorCaptionStaysUntilCleared) {
    // The window keeps the caption: a result without a track error neither hides nor renames the button.
    std::string caption = "Fehler beschreibung";
    bool sichtbar = false;
    for (std::uint8_t code : {2, 0, 9}) {
        AktuellWerte w;
        w.Impulszahl = 1;
        w.Spurfehler = code;
        const CurrentValuesDisplay d = currentValuesDisplay(w, ".", kDeutsch);
        sichtbar = sichtbar || d.spurfehlerZeigen;
        caption = d.spurfehlerText.value_or(caption);
    }
    EXPECT_TRUE(sichtbar);
    EXPECT_EQ(caption, "Fehler 0-Spur");
    AktuellWerte w;
    w.Impulszahl = 1;
    for (const auto& [code, text] : {std::pair{1, "Error on 0 and 90 line"}, std::pair{3, "Error on 90 line"}}) {
        w.Spurfehler = static_cast<std::uint8_t>(code);
        EXPECT_EQ(currentValuesDisplay(w, ".", kEnglisch).spurfehlerText, text);
    }
}

TEST(Display, BadPulses) {
    SchlechtimpulsWerte w;
    EXPECT_FALSE(badPulseDisplay(w, ".", kEnglisch).anzeigen) << "speed 0 and both positions 0 show nothing";
    w.Impulszahl = 1024;
    w.Drehzahl = 999.96f;
    w.Frequenz = 17065;
    w.PosMaxPositiv = 40000; // beyond 16 bits: the bar gets the clamped value, the box the number
    w.MaxPositiv = 12;
    w.PosMaxNegativ = 300;
    w.MaxNegativ = 250;
    w.AbwPos = {300, 5, 0, 7, 9};
    w.AbwWert = {1, 250, 3, 4, 5};
    w.AnzahlAbweichungen = 6;
    BadPulseDisplay d = badPulseDisplay(w, ".", kEnglisch);
    ASSERT_TRUE(d.anzeigen);
    EXPECT_EQ(d.drehzahl, "1000.0 rpm");
    EXPECT_EQ(d.frequenz, "17.1 kHz");
    EXPECT_EQ(d.posMax, 32767);
    EXPECT_EQ(d.posMaxPositiv, "40000");
    EXPECT_EQ(d.min, -6);
    EXPECT_EQ(d.maxNegativ, "-6");
    EXPECT_EQ(d.eintraege[1].abweichungText, "-6");
    EXPECT_EQ(d.eintraege[1].abweichung, -6);
    // Only an entry at both maximum positions is skipped.
    for (std::size_t n = 0; n < 5; ++n)
        EXPECT_TRUE(d.eintraege[n].setzen) << n;
    w.PosMaxPositiv = 300;
    d = badPulseDisplay(w, ".", kEnglisch);
    EXPECT_FALSE(d.eintraege[0].setzen);
    EXPECT_TRUE(d.eintraege[2].setzen);
    w.Drehzahl = 1000.0f;
    EXPECT_EQ(badPulseDisplay(w, ".", kEnglisch).drehzahl, "1000 rpm");
    w.Drehzahl = -999.9f;
    EXPECT_EQ(badPulseDisplay(w, ",", kDeutsch).drehzahl, "-999,9 1/min");
    w.Drehzahl = 0;
    w.PosMaxNegativ = 0;
    EXPECT_TRUE(badPulseDisplay(w, ".", kEnglisch).anzeigen) << "one maximum position is enough";
}

TEST(Display, Oscillation) {
    DrehschwebungWerte w;
    EXPECT_FALSE(oscillationDisplay(w, ".", kEnglisch).anzeigen);
    w.Impulszahl = 1024;
    w.Drehzahl = 999.96f;
    w.Frequenz = 999;
    w.Umdrehungen = 3;
    w.MinWert = -57;
    w.MaxWert = 61;
    const OscillationDisplay e = oscillationDisplay(w, ".", kEnglisch);
    EXPECT_EQ(e.drehzahl, "1000 rpm");
    EXPECT_EQ(e.frequenz, "999 Hz");
    EXPECT_EQ(e.umdrehungen, "3 revolut.");
    EXPECT_EQ(e.minWert, "-57 ''");
    EXPECT_EQ(e.maxWert, "61 ''");
    EXPECT_EQ(oscillationDisplay(w, ".", kDeutsch).umdrehungen, "3 Umdreh.");
}

TEST(Display, SamplesNeverPastTheText) {
    DrehschwebungWerte w;
    w.Messdaten = "0100FFFF0080ZZ01123";
    w.AnzahlMesswerte = 9;
    EXPECT_EQ(messwerte(w), (std::vector<std::int16_t>{1, -1, -32768, 256}));
    w.AnzahlMesswerte = 2;
    EXPECT_EQ(messwerte(w), (std::vector<std::int16_t>{1, -1}));
    w.AnzahlMesswerte = -3;
    EXPECT_TRUE(messwerte(w).empty());
}

} // namespace
} // namespace kav::measure
