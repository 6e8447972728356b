// The trend window on the offscreen platform: pause freezes the picture while
// readings still count, clear empties the run, export writes the CSV through
// the file-name callback, the picture is the one a printout gets, and
// hovering names the reading.
#include <QPushButton>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

#include "chart_image.h"
#include "language_table.h"
#include "test_application.h"
#include "trend_chart_image.h"
#include "trend_csv.h"
#include "trend_window.h"

namespace kav::measure {
namespace {

AktuellWerte lesung(float drehzahl, std::uint8_t sym0) {
    AktuellWerte w;
    w.Impulszahl = 1024;
    w.Drehzahl = drehzahl;
    w.Frequenz = 5000;
    w.Versorgungsspannung = 12.0f;
    w.Stromaufnahme = 60;
    w.Symmetrie0 = sym0;
    return w;
}

class TrendWindowTest : public ::testing::Test {
protected:
    TrendWindowTest() {
        kav::test::testApplication();
        fenster.resize(900, 700);
        for (int i = 0; i < 40; ++i)
            fenster.messungHinzufuegen(i * 0.5, lesung(static_cast<float>(1000 + 10 * i), i >= 10 && i < 14 ? 110 : 3));
    }
    static std::string deutsch(const std::string& d) { return texts::sprachText(d, "D"); }
    TrendWindow fenster{deutsch, ","};
};

TEST_F(TrendWindowTest, PauseFreezesThePictureButKeepsCountingAndResumeCatchesUp) {
    const QImage vorher = fenster.chart().bild();
    fenster.pauseKnopf().click();
    EXPECT_TRUE(fenster.angehalten());
    EXPECT_EQ(fenster.pauseKnopf().text(), QStringLiteral("Fortsetzen"));
    fenster.messungHinzufuegen(20.0, lesung(3000, 3));
    EXPECT_EQ(fenster.store().size(), 41u);
    EXPECT_EQ(fenster.chart().bild(), vorher);
    EXPECT_TRUE(fenster.statusText().contains(QStringLiteral("Angehalten")));
    fenster.pauseKnopf().click();
    EXPECT_EQ(fenster.pauseKnopf().text(), QStringLiteral("Anhalten"));
    EXPECT_NE(fenster.chart().bild(), vorher);
}

TEST_F(TrendWindowTest, ThePictureIsTheOneAPrintoutGetsAndClearEmptiesTheRun) {
    TrendChartBox& c = fenster.chart();
    const QSize s = c.contentsRect().size();
    EXPECT_EQ(c.bild(), trendBild(fenster.store(), c.trendLayout(), s, c.font(), c.palette().color(QPalette::Base)));
    fenster.leerenKnopf().click();
    EXPECT_TRUE(fenster.store().empty());
    EXPECT_EQ(fenster.statusText(), QStringLiteral("Anzahl 0"));
}

TEST_F(TrendWindowTest, ExportWritesTheRunThroughTheFileNameCallback) {
    QTemporaryDir ordner;
    QString gefragt;
    QString antwort = ordner.filePath(QStringLiteral("lauf.csv"));
    fenster.setDateiWahl([&](const QString& vorschlag, const QString& filter) {
        gefragt = vorschlag + QLatin1Char('|') + filter;
        return antwort;
    });
    QStringList meldungen;
    fenster.setMeldung([&](const QString& m) { meldungen << m; });

    fenster.exportKnopf().click();
    EXPECT_EQ(gefragt, QStringLiteral("Verlauf.csv|CSV-Datei (*.csv)|*.csv"));
    std::ifstream ein(antwort.toStdString());
    std::stringstream inhalt;
    inhalt << ein.rdbuf();
    std::ostringstream erwartet;
    trendCsvSchreiben(erwartet, fenster.store());
    EXPECT_EQ(inhalt.str(), erwartet.str());
    EXPECT_NE(inhalt.str().find("\n5.500,1110,5000,12,60,,0,0\n"), std::string::npos) << "a code is an empty cell";

    antwort.clear(); // cancel
    EXPECT_FALSE(fenster.exportieren());
    antwort = ordner.filePath(QStringLiteral("fehlt/lauf.csv"));
    EXPECT_FALSE(fenster.exportieren());
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_TRUE(meldungen[0].startsWith(QStringLiteral("Die Datei konnte nicht gespeichert werden.")));
}

TEST_F(TrendWindowTest, HoveringNamesTheReadingOrItsCode) {
    TrendChartBox& c = fenster.chart();
    const TrendLayout& l = c.trendLayout();
    const ChartAbbildung a(l.rahmen, QRectF(c.contentsRect()));
    const auto stelle = [&](std::size_t reihe, double zeit) {
        const TrendStreifen& s = l.streifen[reihe];
        return a.punkt(l.x(zeit), s.oben + s.hoehe / 2).toPoint();
    };
    EXPECT_EQ(c.hinweisBei(stelle(0, 2.5)), QStringLiteral("Zeit: 0:02,5\nDrehzahl (1/min): 1050,0"));
    EXPECT_EQ(c.hinweisBei(stelle(4, 5.5)),
              QStringLiteral("Zeit: 0:05,5\nSymmetrie 0 (Abweichung in %): Lücke, Code 110: Frequenz zu hoch. "
                             "Messung nicht möglich."));
    EXPECT_TRUE(c.hinweisBei(stelle(0, 45)).isEmpty()) << "past the last reading";
}

} // namespace
} // namespace kav::measure
