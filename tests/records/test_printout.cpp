// The printout: its content from a record, where each part lands (twips of
// the printable area), and the painting onto an image and into a PDF.
#include <gtest/gtest.h>

#include <QImage>

#include "print_output.h"
#include "printout.h"
#include "qt_printers.h"
#include "sample_records.h"

namespace kav::records {
namespace {

using test::beispielAktuell;
using test::beispielDrehschwebung;
using test::beispielSchlechtimpulse;

const Kopfzeile kKopf = kopfzeile("G4711023", "1.0.2", "V2.13", "070123", "D");
const QSizeF kA4{11000, 16000};

QStringList texte(const std::vector<DruckElement>& e) {
    QStringList t;
    for (const DruckElement& x : e)
        t << (x.art == DruckElement::Art::Text ? x.text : QStringLiteral("[Bild]"));
    return t;
}

TEST(Printout, TheHeaderLineInBothLanguages) {
    EXPECT_EQ(kopfzeileText(kKopf),
              QStringLiteral("S/N Geber: G4711023 | Software Version: 1.0.2 | Firmware: V2.13 | S/N KAV100: 070123"));
    EXPECT_EQ(kopfzeileText(kopfzeile("G1", "1.0.2", "V2", "07", "E")),
              QStringLiteral("S/N Encoder G1 | Software Version: 1.0.2 | Firmware: V2 | S/N KAV100: 07"));
}

TEST(Printout, ZoomFitsThePictureBesideTheMarginAndBelowTheTop) {
    EXPECT_DOUBLE_EQ(zoom({769, 430}, kA4), (11000.0 - 630) / 11535);
    EXPECT_DOUBLE_EQ(zoom({769, 430}, {30000, 8000}), (8000.0 - 30) / 6450);
    EXPECT_EQ(zoom({0, 430}, kA4), 0);
}

TEST(Printout, TheOscillationPageHeaderChartAndTwoRows) {
    const Druckseite s = drehschwebungSeite(beispielDrehschwebung(), kKopf, "D", ",");
    const std::vector<DruckElement> e = druckElemente(s, kA4);
    ASSERT_EQ(e.size(), 8u);
    EXPECT_EQ(e[0].text, kopfzeileText(kKopf));
    EXPECT_EQ(e[0].ort, QPointF(600, 1500));
    EXPECT_EQ(e[0].schrift.pixelSize(), 160) << "8 point";
    EXPECT_FALSE(e[0].schrift.bold());

    const double z = (11000.0 - 630) / 11535;
    EXPECT_EQ(e[1].art, DruckElement::Art::Diagramm);
    EXPECT_EQ(e[1].rect, QRectF(600, 1650, 11535 * z, 6450 * z));

    EXPECT_EQ(texte({e.begin() + 2, e.end()}),
              (QStringList{"Messung über: 1 Umdreh.", " | Min: -35 ''", " | Max: 40 ''", "Impulszahl: 1024",
                           " | Drehzahl: 3000 1/min", " | Frequenz: 51,2 kHz"}));
    const double y1 = z * 6450 + 1650;
    const double x[] = {600, 2 * z * 11535 / 5, 5 * z * 11535 / 7};
    for (int i = 0; i < 6; ++i) {
        EXPECT_DOUBLE_EQ(e[2 + i].ort.x(), x[i % 3]) << i;
        EXPECT_DOUBLE_EQ(e[2 + i].ort.y(), i < 3 ? y1 : y1 + 24 * 15) << i;
        EXPECT_EQ(e[2 + i].schrift.pixelSize(), 11 * 15) << "the window's 11 pixels";
    }
}

TEST(Printout, TheCurrentValuesPageRowsAndTheShownNotes) {
    Druckseite s = aktuellSeite(beispielAktuell(), kKopf, "E", ".");
    const std::vector<DruckElement> e = druckElemente(s, kA4);
    EXPECT_EQ(texte(e),
              (QStringList{kopfzeileText(kKopf), "Symmetry 0 (deviation in %): -56", "Symmetry 90 (deviation in %): 0",
                           "Phase angle (deviation in %): 0", "  Power supply: 24.0 V", "  Current consumption: 65 mA",
                           "Pulse number: 1024", " | Speed: 1501 rpm", " | Frequency: 25.6 kHz", "Not available.",
                           "Frequency too high. Measurement impossible."}));
    const double z = (11000.0 - 630) / 12015;
    const double halb = z * 12015 / 2;
    const double zeile = 20 * 15 + 20 * 15 + 150;
    const QPointF orte[] = {{600, 1500},
                            {600, 1500 + zeile},
                            {halb, 1500 + zeile},
                            {600, 1500 + 2 * zeile},
                            {600, 1500 + 3 * zeile},
                            {halb, 1500 + 3 * zeile},
                            {600, 1500 + 4 * zeile},
                            {z * 12015 / 3, 1500 + 4 * zeile},
                            {2 * z * 12015 / 3, 1500 + 4 * zeile},
                            {halb, 1500 + zeile + 300},     // under the 90° display
                            {600, 1500 + 2 * zeile + 300}}; // under the phase display
    for (std::size_t i = 0; i < e.size(); ++i) {
        EXPECT_NEAR(e[i].ort.x(), orte[i].x(), 1e-9) << i;
        EXPECT_NEAR(e[i].ort.y(), orte[i].y(), 1e-9) << i;
    }
    // No note shown, none printed.
    std::get<AktuellDruck>(s.inhalt).hinweise = {};
    EXPECT_EQ(druckElemente(s, kA4).size(), 9u);
}

TEST(Printout, TheBadPulsePageHasTheRingAndTheValuesInItsColours) {
    const measure::SchlechtimpulsWerte b = beispielSchlechtimpulse();
    QImage ring(20, 20, QImage::Format_RGB32);
    ring.fill(Qt::red);
    const Druckseite s = schlechtimpulsSeite(b, kKopf, "E", ".", ring);
    const std::vector<DruckElement> e = druckElemente(s, kA4);
    const QStringList t = texte(e);
    for (const char* erwartet : {"[Bild]", "Max deviation Positive", "300", "12", "Max deviation Negative", "700", "-6",
                                 "Deviation", "90", "3", "Pulse number: 1024", "Number of deviations: 3"})
        EXPECT_TRUE(t.contains(QString::fromUtf8(erwartet))) << erwartet << " in " << t.join('|').toStdString();
    auto farbe = [&](const char* text) {
        for (const DruckElement& x : e)
            if (x.text == QLatin1String(text))
                return x.farbe;
        return QColor();
    };
    EXPECT_EQ(farbe("12"), vbFarbe(kRingMaxFarbe));
    EXPECT_EQ(farbe("-6"), vbFarbe(kRingMinFarbe));
    EXPECT_EQ(farbe("90"), vbFarbe(kRingListenFarbe));
    const QImage bild = alsBild(s, 48);
    EXPECT_EQ(bild.pixelColor(bild.width() / 6, bild.height() / 5), QColor(Qt::red)) << "the ring is drawn";
}

TEST(Printout, PaintedTheChartEndsAtItsEdgeAndThePdfHasOnePage) {
    // 1000 samples on an axis of 200: the rest runs to the chart's right edge and no further.
    const Druckseite s = drehschwebungSeite(beispielDrehschwebung(1000), kKopf, "E", ".");
    const QImage bild = alsBild(s, 96);
    const QSizeF bereich(bild.width() * 15.0 - 2 * 360, bild.height() * 15.0 - 2 * 360); // inside the margins
    const QRectF chart = druckElemente(s, bereich)[1].rect;
    const int rand = static_cast<int>((360 + chart.right()) / 15) + 2;
    int dunkelRechts = 0, dunkelInnen = 0;
    for (int y = static_cast<int>((360 + chart.top()) / 15); y < static_cast<int>((360 + chart.bottom()) / 15); ++y) {
        for (int x = rand; x < bild.width(); ++x)
            dunkelRechts += qGray(bild.pixel(x, y)) < 128;
        for (int x = rand - 24; x < rand - 2; ++x)
            dunkelInnen += qGray(bild.pixel(x, y)) < 128;
    }
    EXPECT_EQ(dunkelRechts, 0);
    EXPECT_GT(dunkelInnen, 0) << "points reach the chart's edge";

    const QByteArray pdf = alsPdf(s, QStringLiteral("KavStudio - Test"));
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_TRUE(pdf.contains("/Count 1"));
    QByteArray titel; // UTF-16, high byte first, as the document information holds it
    for (const QChar c : QStringLiteral("KavStudio - Test"))
        titel += QByteArray(1, static_cast<char>(c.unicode() >> 8)) + static_cast<char>(c.unicode() & 0xFF);
    EXPECT_TRUE(pdf.contains(titel)) << "the title";
    EXPECT_TRUE(alsPdf(Druckseite{}, {}).startsWith("%PDF-")) << "an empty page is still a page";
}

TEST(Printout, TheAreaOfAnImageIsItsWholeFace) {
    QImage bild(100, 50, QImage::Format_RGB32);
    bild.setDotsPerMeterX(3780); // 96 dpi
    bild.setDotsPerMeterY(3780);
    const QSizeF b = druckbereich(bild);
    EXPECT_NEAR(b.width(), 1500, 1);
    EXPECT_NEAR(b.height(), 750, 1);
}

} // namespace
} // namespace kav::records
