// The trend of a continuous run: code bytes are gaps, the running statistics,
// the per-column min/max against a plain scan, the 24-hour capacity, the CSV
// export and the strips' layout.
#include <gtest/gtest.h>

#include <locale>
#include <random>
#include <sstream>

#include "language_table.h"
#include "trend_csv.h"
#include "trend_layout.h"
#include "trend_store.h"

namespace kav::measure {
namespace {

AktuellWerte lesung(float drehzahl, std::uint8_t sym0 = 5, std::uint8_t sym90 = 250, std::uint8_t phase = 3) {
    AktuellWerte w;
    w.Impulszahl = 1024;
    w.Drehzahl = drehzahl;
    w.Frequenz = 17067;
    w.Versorgungsspannung = 24.5f;
    w.Stromaufnahme = 85;
    w.Symmetrie0 = sym0;
    w.Symmetrie90 = sym90;
    w.Phasenlage = phase;
    return w;
}

struct ByteFall {
    TrendReihe reihe;
    std::uint8_t byte;
    std::optional<double> wert;
};

TEST(TrendStore, PercentageCodesAreGapsAndSignedBytesAreValues) {
    const ByteFall faelle[] = {
        {TrendReihe::Symmetrie0, 100, 100},          {TrendReihe::Symmetrie0, 101, std::nullopt},
        {TrendReihe::Symmetrie0, 110, std::nullopt}, {TrendReihe::Symmetrie0, 126, std::nullopt},
        {TrendReihe::Symmetrie0, 127, 127},          {TrendReihe::Symmetrie90, 200, -56},
        {TrendReihe::Symmetrie90, 120, std::nullopt}, {TrendReihe::Phasenlage, 127, std::nullopt},
        {TrendReihe::Phasenlage, 128, -128},         {TrendReihe::Phasenlage, 0, 0},
    };
    for (const ByteFall& f : faelle) {
        AktuellWerte w = lesung(100);
        (f.reihe == TrendReihe::Symmetrie0 ? w.Symmetrie0 : f.reihe == TrendReihe::Symmetrie90 ? w.Symmetrie90
                                                                                               : w.Phasenlage) = f.byte;
        TrendStore s;
        ASSERT_TRUE(s.hinzufuegen(0, w));
        EXPECT_EQ(s.wert(f.reihe, 0), f.wert) << "byte " << int(f.byte);
        EXPECT_EQ(s.statistik(f.reihe).anzahl, f.wert ? 1u : 0u) << "a gap is not counted";
        EXPECT_EQ(s.rohByte(f.reihe, 0), f.byte);
    }
}

TEST(TrendStore, KeepsMinMeanMaxAndCountPerSeries) {
    TrendStore s;
    s.hinzufuegen(0.0, lesung(1000, 110));
    s.hinzufuegen(0.5, lesung(1200, 4));
    s.hinzufuegen(1.0, lesung(-400, 120));
    const TrendStatistik& d = s.statistik(TrendReihe::Drehzahl);
    EXPECT_EQ(d.anzahl, 3u);
    EXPECT_DOUBLE_EQ(d.min, -400);
    EXPECT_DOUBLE_EQ(d.max, 1200);
    EXPECT_DOUBLE_EQ(d.mittel(), 600);
    const TrendStatistik& sym = s.statistik(TrendReihe::Symmetrie0);
    EXPECT_EQ(sym.anzahl, 1u);
    EXPECT_DOUBLE_EQ(sym.mittel(), 4);
    EXPECT_EQ(s.statistik(TrendReihe::Symmetrie90).min, -6);

    s.leeren();
    EXPECT_TRUE(s.empty());
    EXPECT_EQ(s.statistik(TrendReihe::Drehzahl).anzahl, 0u);
    EXPECT_TRUE(s.spalten(TrendReihe::Drehzahl, 0, 10, 4)[0].leer);
}

TEST(TrendStore, ATimeBeforeTheLastOneCountsAsTheLastOne) {
    TrendStore s;
    s.hinzufuegen(5.0, lesung(1));
    s.hinzufuegen(4.0, lesung(2));
    EXPECT_DOUBLE_EQ(s.zeit(1), 5.0);
    EXPECT_EQ(s.naechste(4.7), 0u);
    EXPECT_EQ(s.ersteAb(5.0), 0u);
}

TEST(TrendStore, ColumnsMatchAPlainScanOfTheReadings) {
    std::mt19937 zufall(20);
    TrendStore s;
    std::vector<double> zeiten;
    std::vector<AktuellWerte> werte;
    double t = 0;
    for (int i = 0; i < 5000; ++i) {
        t += std::uniform_int_distribution<int>(0, 900)(zufall) / 1000.0;
        AktuellWerte w = lesung(static_cast<float>(std::uniform_real_distribution<double>(-3000, 3000)(zufall)));
        // Runs of codes now and then.
        if ((i / 37) % 5 == 2)
            w.Symmetrie0 = 110;
        else
            w.Symmetrie0 = static_cast<std::uint8_t>(std::uniform_int_distribution<int>(0, 255)(zufall));
        ASSERT_TRUE(s.hinzufuegen(t, w));
        zeiten.push_back(s.zeit(s.size() - 1));
        werte.push_back(w);
    }
    for (const TrendReihe r : {TrendReihe::Drehzahl, TrendReihe::Symmetrie0}) {
        for (const int breite : {1, 7, 300, 800, 9000}) {
            for (const auto& [von, bis] : {std::pair{0.0, t}, std::pair{37.3, 41.0}, std::pair{t / 3, t / 2}}) {
                const std::vector<TrendSpalte> sp = s.spalten(r, von, bis, breite);
                ASSERT_EQ(sp.size(), static_cast<std::size_t>(breite));
                std::vector<TrendSpalte> erwartet(static_cast<std::size_t>(breite));
                for (std::size_t i = 0; i < zeiten.size(); ++i) {
                    if (zeiten[i] < von || zeiten[i] > bis)
                        continue;
                    auto c = static_cast<std::size_t>(std::floor((zeiten[i] - von) / ((bis - von) / breite)));
                    c = std::min(c, erwartet.size() - 1);
                    const std::optional<double> v = trendWert(r, werte[i]);
                    TrendSpalte& e = erwartet[c];
                    if (!v) {
                        e.luecke = true;
                        continue;
                    }
                    const auto f = static_cast<float>(*v);
                    e.min = e.leer ? f : std::min(e.min, f);
                    e.max = e.leer ? f : std::max(e.max, f);
                    e.leer = false;
                }
                for (std::size_t c = 0; c < sp.size(); ++c) {
                    SCOPED_TRACE(::testing::Message() << "series " << index(r) << " width " << breite << " window "
                                                      << von << ".." << bis << " column " << c);
                    ASSERT_EQ(sp[c].leer, erwartet[c].leer);
                    ASSERT_EQ(sp[c].luecke, erwartet[c].luecke);
                    if (!sp[c].leer) {
                        ASSERT_EQ(sp[c].min, erwartet[c].min);
                        ASSERT_EQ(sp[c].max, erwartet[c].max);
                    }
                }
            }
        }
    }
}

TEST(TrendStore, HoldsADayAtTwoReadingsASecondAndNoMore) {
    TrendStore s;
    const std::size_t tag = 24 * 3600 * 2;
    for (std::size_t i = 0; i <= tag; ++i)
        ASSERT_TRUE(s.hinzufuegen(static_cast<double>(i) * 0.5, lesung(static_cast<float>(i % 600))));
    EXPECT_EQ(s.size(), tag + 1);
    EXPECT_FALSE(s.voll());
    EXPECT_FALSE(s.hinzufuegen(24 * 3600 + 0.5, lesung(1))) << "past 24 hours";
    EXPECT_TRUE(s.voll());
    EXPECT_EQ(s.size(), tag + 1);
    EXPECT_LE(s.speicherBytes(), 8u * 1024 * 1024) << "a day in at most 8 MB";
    EXPECT_EQ(s.statistik(TrendReihe::Drehzahl).max, 599);
    const std::vector<TrendSpalte> sp = s.spalten(TrendReihe::Drehzahl, 0, 24 * 3600, 800);
    EXPECT_EQ(sp.back().max, 599);
}

TEST(TrendCsv, HeaderThenOneLineWithPointsAndEmptyCellsForCodes) {
    // A locale with a decimal comma must not reach the file.
    struct Komma : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
    };
    const std::locale vorher = std::locale::global(std::locale(std::locale::classic(), new Komma));
    TrendStore s;
    AktuellWerte a = lesung(1234.5f, 110, 200, 120);
    s.hinzufuegen(0.5, a);
    AktuellWerte b = lesung(-3.25f, 4, 127, 127);
    b.Versorgungsspannung = 23.9f;
    s.hinzufuegen(61.0125, b);
    std::ostringstream aus;
    trendCsvSchreiben(aus, s);
    std::locale::global(vorher);
    EXPECT_EQ(aus.str(),
              "time_s,speed_rpm,frequency_hz,supply_voltage_v,current_ma,symmetry_0_percent,symmetry_90_percent,"
              "phase_percent\n"
              "0.500,1234.5,17067,24.5,85,,-56,\n"
              "61.013,-3.25,17067,23.9,85,4,127,\n");
    EXPECT_EQ(trendCsvZeile(2, a), "2.000,1234.5,17067,24.5,85,,-56,");
}

TEST(TrendLayout, TimeTexts) {
    const std::tuple<double, int, const char*> faelle[] = {
        {0, 0, "0:00"}, {59.96, 1, "1:00,0"}, {754.25, 1, "12:34,3"}, {3600, 0, "1:00:00"}, {86399, 0, "23:59:59"}};
    for (const auto& [s, nk, text] : faelle)
        EXPECT_EQ(zeitText(s, nk, ","), text) << s;
}

TEST(TrendLayout, AStripSpansItsValuesAndLimitsAndTheLastCarriesTheTime) {
    TrendStore s;
    for (int i = 0; i < 100; ++i)
        s.hinzufuegen(i * 0.5, lesung(static_cast<float>(1000 + i)));
    TrendAnsicht a = ganzerLauf(s);
    EXPECT_EQ(a.bis, kMindestFenster) << "a young run in the shortest window";
    a.reihen = {TrendReihe::Drehzahl, TrendReihe::Symmetrie0};
    a.grenzen[index(TrendReihe::Drehzahl)] = {900.0, std::nullopt};
    const Translator englisch = [](const std::string& d) { return texts::sprachText(d, "E"); };
    const TrendLayout l = trendLayout(s, a, 12000, 6000, ".", englisch);
    ASSERT_EQ(l.streifen.size(), 2u);
    const TrendStreifen& d = l.streifen[0];
    EXPECT_LE(d.ymin, 900);
    EXPECT_GE(d.ymax, 1099);
    EXPECT_GT(l.streifen[1].oben, d.oben + d.hoehe) << "stacked, not overlapping";
    EXPECT_NEAR(l.x(a.bis), d.links + d.breite, 1e-6);
    EXPECT_NEAR(l.zeitBei(l.x(12.5)), 12.5, 1e-9);
    const auto hat = [&](const std::string& text) {
        return std::any_of(l.rahmen.beschriftung.begin(), l.rahmen.beschriftung.end(),
                           [&](const ChartLabel& b) { return b.text == text; });
    };
    EXPECT_TRUE(hat("Speed (rpm)     Count 100   Min 1000.0   Mean 1049.50   Max 1099.0"));
    EXPECT_TRUE(hat("1:00")) << "time labels under the last strip";
}

} // namespace
} // namespace kav::measure
