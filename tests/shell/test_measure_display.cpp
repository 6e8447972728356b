// What the three result pages show: one full measurement per mode against
// the simulated device, and the display rules' cases on records set
// directly, as the record views will hand them over.
#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>

#include "chart_box.h"
#include "control_indexes.h"
#include "measure_window_fixture.h"
#include "vb_colors.h"

namespace kav::test {
namespace {

namespace idx = shell::idx;
using shell::KAV_Main;

class MessAnzeige : public MessFensterTest {
protected:
    static QString text(const KAV_Main& w, int i) { return ansicht(w).txtAlle[static_cast<std::size_t>(i)]->text(); }
    static int eigenschaft(const QWidget* anzeige, const char* name) { return anzeige->property(name).toInt(); }
    static bool sichtbar(const QWidget* w) { return !w->isHidden(); }
};

TEST_F(MessAnzeige, CurrentValuesShowEveryValue) {
    for (const char* sprache : {"E", "D"}) {
        SCOPED_TRACE(sprache);
        auto w = verbunden("--steady --speed 1500 --symmetry0 200 --symmetry90 5 --phase 251 --current 2000 "
                           "--track-error 0",
                           sprache);
        w->btnAlle_Click(idx::btnAktuell);
        warteBisFrei(*w);
        ticke(*w, 1);
        const bool de = *sprache == 'D';
        EXPECT_EQ(text(*w, idx::txtImpulszahl), QStringLiteral("1024"));
        EXPECT_EQ(text(*w, idx::txtDrehzahl), de ? QStringLiteral("1500 1/min") : QStringLiteral("1500 rpm"));
        EXPECT_EQ(text(*w, idx::txtFrequenz), zahl("25.6 kHz"));
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d+") + QRegularExpression::escape(zahl(".")) +
                                       QStringLiteral("\\d V$"))
                        .match(text(*w, idx::txtVersorgung))
                        .hasMatch())
            << text(*w, idx::txtVersorgung).toStdString();
        EXPECT_EQ(text(*w, idx::txtStrom), QStringLiteral("2000 mA"));
        EXPECT_EQ(text(*w, idx::txtGeberSN), QStringLiteral("G4711023"));
        EXPECT_FLOAT_EQ(ansicht(*w).ocxSym0->property("iValue").toFloat(), -56.0f);
        EXPECT_FLOAT_EQ(ansicht(*w).ocxSym90->property("iValue").toFloat(), 5.0f);
        EXPECT_FLOAT_EQ(ansicht(*w).ocxPhl->property("iValue").toFloat(), -5.0f);
        EXPECT_EQ(eigenschaft(ansicht(*w).ocxTacho, "MaxAnzahl"), 6000);
        EXPECT_EQ(eigenschaft(ansicht(*w).ocxTacho, "AktuellAnzahl"), 1500);
        EXPECT_TRUE(ansicht(*w).ocxTacho->property("BenutzerText").toString().isEmpty());
        EXPECT_TRUE(ansicht(*w).btnAlle[idx::btnSpurfehler]->isHidden());
        EXPECT_TRUE(sichtbar(ansicht(*w).picGrafik[idx::picAktuell]));
        EXPECT_EQ(sitzung(*w).aktuell().gespeichert, sitzung(*w).aktuell().live);
        EXPECT_EQ(gespeicherteAnzahl(*w, 1), 1024);
    }
}

TEST_F(MessAnzeige, TheDialGaugeScaleAndItsError) {
    struct Fall {
        const char* flags;
        int max, nadel;
        const char* text;
    };
    const Fall faelle[] = {
        {"--steady --speed 6000", 6000, 6000, ""},
        {"--steady --speed -7000", 12000, 7000, ""},
        {"--steady --speed 12001", 18000, 12001, ""},
        {"--steady --speed 18001", 18000, -1, "ERROR"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.flags);
        auto w = verbunden(f.flags);
        w->btnAlle_Click(idx::btnAktuell);
        warteBisFrei(*w);
        ticke(*w, 1);
        EXPECT_EQ(eigenschaft(ansicht(*w).ocxTacho, "MaxAnzahl"), f.max);
        EXPECT_EQ(eigenschaft(ansicht(*w).ocxTacho, "AktuellAnzahl"), f.nadel);
        EXPECT_EQ(ansicht(*w).ocxTacho->property("BenutzerText").toString(), QString::fromLatin1(f.text));
        // The next result starts from the 6000 scale again.
        sitzung(*w).aktuell().live.Drehzahl = 100;
        sitzung(*w).aktuell().live.Impulszahl = 1024;
        messen(*w).anzeigen(1);
        EXPECT_EQ(eigenschaft(ansicht(*w).ocxTacho, "MaxAnzahl"), 6000);
        EXPECT_TRUE(ansicht(*w).ocxTacho->property("BenutzerText").toString().isEmpty());
    }
}

TEST_F(MessAnzeige, PercentCodesShowZeroAndTheirNotes) {
    auto w = verbunden();
    w->btnAlle_Click(idx::btnAktuell);
    warteBisFrei(*w);
    ansicht(*w).chkAlle[idx::chkAktuellImmer]->setChecked(false);
    warteBisFrei(*w);
    QWidget* anzeigen[] = {ansicht(*w).ocxSym0, ansicht(*w).ocxSym90, ansicht(*w).ocxPhl};
    const int zuHoch[] = {idx::labSym0ZuHoch, idx::labSym90ZuHoch, idx::labPhlZuHoch};
    const int nichtDa[] = {idx::labSym0NichtVerfuegbar, idx::labSym90NichtVerfuegbar, idx::labPhlNichtVerfuegbar};
    struct Fall {
        std::uint8_t bytes[3]; // symmetry 0, symmetry 90, phase
        float werte[3];
        const char* noten; // per display: "z" too high shown, "n" not available shown, "-" both hidden, "=" unchanged
    };
    const Fall faelle[] = {
        {{110, 120, 127}, {0, 0, 0}, "zn="},
        {{200, 127, 120}, {-56, 127, 0}, "--n"},
        {{101, 126, 110}, {0, 0, 0}, "==z"}, // other codes keep the notes
        {{100, 128, 100}, {100, -128, 100}, "---"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.noten);
        QStringList vorher;
        for (int i = 0; i < 3; ++i)
            vorher << QStringLiteral("%1%2")
                          .arg(sichtbar(ansicht(*w).labAlle[static_cast<std::size_t>(zuHoch[i])]))
                          .arg(sichtbar(ansicht(*w).labAlle[static_cast<std::size_t>(nichtDa[i])]));
        sitzung(*w).aktuell().live = {};
        sitzung(*w).aktuell().live.Impulszahl = 1024;
        sitzung(*w).aktuell().live.Symmetrie0 = f.bytes[0];
        sitzung(*w).aktuell().live.Symmetrie90 = f.bytes[1];
        sitzung(*w).aktuell().live.Phasenlage = f.bytes[2];
        messen(*w).anzeigen(1);
        for (int i = 0; i < 3; ++i) {
            EXPECT_FLOAT_EQ(anzeigen[i]->property("iValue").toFloat(), f.werte[i]) << i;
            const QString jetzt = QStringLiteral("%1%2")
                                      .arg(sichtbar(ansicht(*w).labAlle[static_cast<std::size_t>(zuHoch[i])]))
                                      .arg(sichtbar(ansicht(*w).labAlle[static_cast<std::size_t>(nichtDa[i])]));
            const char n = f.noten[i];
            const QString erwartet = n == 'z'   ? QStringLiteral("10")
                                     : n == 'n' ? QStringLiteral("01")
                                     : n == '-' ? QStringLiteral("00")
                                                : vorher[i];
            EXPECT_EQ(jetzt, erwartet) << i;
        }
    }
    EXPECT_EQ(ansicht(*w).labAlle[idx::labSym0ZuHoch]->text(),
              QStringLiteral("Frequency too high. Measurement impossible."));
    // Clearing the page hides every note.
    ansicht(*w).labAlle[idx::labPhlNichtVerfuegbar]->show();
    messen(*w).loeschen(1);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(ansicht(*w).labAlle[static_cast<std::size_t>(zuHoch[i])]->isHidden());
        EXPECT_TRUE(ansicht(*w).labAlle[static_cast<std::size_t>(nichtDa[i])]->isHidden());
    }
}

TEST_F(MessAnzeige, TheTrackErrorButtonStaysUntilThePageIsCleared) {
    auto w = verbunden("--track-error 2");
    w->btnAlle_Click(idx::btnAktuell);
    warteBisFrei(*w);
    ticke(*w, 1);
    QPushButton* knopf = ansicht(*w).btnAlle[idx::btnSpurfehler];
    EXPECT_TRUE(sichtbar(knopf));
    EXPECT_EQ(knopf->text(), QStringLiteral("Error on 0 line"));
    EXPECT_TRUE(logs_.inhalt(QStringLiteral("Errors_2008.03.05.log")).contains("Error on 0 line"));
    geraet().scenario().overrides.trackError = 0;
    ticke(*w, 1); // the next start took the new value
    ticke(*w, 1);
    EXPECT_EQ(sitzung(*w).aktuell().live.Spurfehler, 0);
    EXPECT_TRUE(sichtbar(knopf));
    EXPECT_EQ(knopf->text(), QStringLiteral("Error on 0 line"));
    w->btnAlle_Click(idx::btnAktuellZurueck);
    warteBisFrei(*w);
    w->btnAlle_Click(idx::btnAktuell); // entering clears the page
    warteBisFrei(*w);
    EXPECT_TRUE(knopf->isHidden());
}

TEST_F(MessAnzeige, BadPulsesWithFiveListEntries) {
    auto w = verbunden("--deviations 5 --deviation-value 250");
    w->btnAlle_Click(idx::btnSchlechtimpulse);
    warteBisFrei(*w);
    tickeAus(*w, 2);
    ASSERT_TRUE(sichtbar(ansicht(*w).picGrafik[idx::picSchlechtimpulse]));
    QWidget* ring = ansicht(*w).ocxBadInc1;
    const std::uint32_t liste = ring->property("PosMaxFarbe").toUInt();
    for (int n = 1; n <= 5; ++n) {
        SCOPED_TRACE(n);
        const int box = idx::txtListeErste + 2 * (n - 1);
        EXPECT_EQ(text(*w, box), QString::number(10 * n));
        EXPECT_EQ(text(*w, box + 1), QStringLiteral("-6"));
        EXPECT_EQ(shell::foreColor(ansicht(*w).txtAlle[static_cast<std::size_t>(box)]), liste);
        EXPECT_EQ(eigenschaft(ring, QByteArray("PosMin" + QByteArray::number(n)).constData()), 10 * n);
        EXPECT_EQ(eigenschaft(ring, QByteArray("Min" + QByteArray::number(n)).constData()), -6);
    }
    const measure::SchlechtimpulsWerte& r = sitzung(*w).schlechtimpulse().gespeichert;
    EXPECT_EQ(eigenschaft(ring, "ImpulsZahl"), 1024);
    EXPECT_EQ(eigenschaft(ring, "PosMax"), r.PosMaxPositiv);
    EXPECT_EQ(eigenschaft(ring, "Min"), measure::vorzeichenbehaftet(r.MaxNegativ));
    EXPECT_EQ(text(*w, idx::txtPosMaxPositiv), QString::number(r.PosMaxPositiv));
    EXPECT_EQ(shell::foreColor(ansicht(*w).txtAlle[idx::txtMaxPositiv]), ring->property("MaxFarbe").toUInt());
    EXPECT_EQ(shell::foreColor(ansicht(*w).txtAlle[idx::txtMaxNegativ]), ring->property("MinFarbe").toUInt());
    EXPECT_EQ(text(*w, idx::txtAnzahlAbweichungen), QString::number(r.AnzahlAbweichungen));
    EXPECT_EQ(text(*w, idx::txtSchlechtImpulszahl), QStringLiteral("1024"));
    EXPECT_EQ(gespeicherteAnzahl(*w, 2), r.AnzahlAbweichungen);
}

TEST_F(MessAnzeige, BadPulseEntriesAtBothMaximaAreSkipped) {
    auto w = verbunden();
    w->btnAlle_Click(idx::btnSchlechtimpulse);
    warteBisFrei(*w);
    ansicht(*w).txtAlle[idx::txtListeErste]->setText(QStringLiteral("alt"));
    ansicht(*w).ocxBadInc1->setProperty("PosMin1", QVariant::fromValue<qint16>(77));
    measure::SchlechtimpulsWerte& r = sitzung(*w).schlechtimpulse().live;
    r = {};
    r.Impulszahl = 1024;
    r.Drehzahl = 999.96f;
    r.AbwPos = {0, 30, 0, 0, 0};
    r.AbwWert = {1, 250, 3, 4, 5};
    messen(*w).anzeigen(2);
    EXPECT_EQ(text(*w, idx::txtListeErste), QStringLiteral("alt"));
    EXPECT_EQ(eigenschaft(ansicht(*w).ocxBadInc1, "PosMin1"), 77);
    EXPECT_EQ(text(*w, idx::txtListeErste + 2), QStringLiteral("30"));
    EXPECT_EQ(text(*w, idx::txtListeErste + 3), QStringLiteral("-6"));
    EXPECT_EQ(text(*w, idx::txtSchlechtDrehzahl), zahl("1000.0 rpm")) << "the raw value is tested here";

    // Speed 0 with both maximum positions 0: nothing is shown.
    ansicht(*w).txtAlle[idx::txtSchlechtImpulszahl]->setText(QStringLiteral("alt"));
    r.Drehzahl = 0;
    messen(*w).anzeigen(2);
    EXPECT_EQ(text(*w, idx::txtSchlechtImpulszahl), QStringLiteral("alt"));
}

TEST_F(MessAnzeige, OscillationShowsItsValuesAndChart) {
    const std::pair<int, int> faelle[] = {{80, 100}, {450, 500}, {4000, 5000}, {25000, 30000}};
    for (const auto& [spitze, grenze] : faelle) {
        SCOPED_TRACE(spitze);
        auto w = verbunden("--pulses 200 --oscillation-peak " + std::to_string(spitze));
        w->btnAlle_Click(idx::btnDrehschwebung);
        warteBisFrei(*w);
        tickeAus(*w, 3);
        const measure::DrehschwebungWerte& r = sitzung(*w).drehschwebung().gespeichert;
        EXPECT_EQ(std::max(-r.MinWert, static_cast<int>(r.MaxWert)), spitze);
        EXPECT_EQ(text(*w, idx::txtDrehImpulszahl), QStringLiteral("200"));
        EXPECT_EQ(text(*w, idx::txtDrehUmdrehungen), QStringLiteral("1 revolut."));
        EXPECT_EQ(text(*w, idx::txtDrehMax), QString::number(r.MaxWert) + QStringLiteral(" ''"));
        EXPECT_EQ(text(*w, idx::txtDrehMin), QString::number(r.MinWert) + QStringLiteral(" ''"));
        measure::ChartBox* box = ansicht(*w).chartBox();
        ASSERT_EQ(box, ansicht(*w).picGrafik[idx::picDiagramm]);
        ASSERT_TRUE(box->hatLayout());
        EXPECT_EQ(box->samples().size(), 200u);
        EXPECT_EQ(box->chartLayout().beschriftung.front().text, "-" + std::to_string(grenze));
        EXPECT_EQ(gespeicherteAnzahl(*w, 3), 200);
    }
}

TEST_F(MessAnzeige, EqualChartLimitsAreToldAndDrawNothing) {
    auto w = verbunden({}, "D", QStringLiteral("/math"));
    measure::ChartBox* box = ansicht(*w).chartBox();
    EXPECT_FALSE(messen(*w).GrafikZeichnen(*box, 0, 5, 200, 5, sitzung(*w).drehschwebung().live.Impulszahl));
    sitzung(*w).drehschwebung().live.Impulszahl = 0; // "/math": five revolutions of nothing
    EXPECT_FALSE(messen(*w).DrehschwebungGrafik(10, -10, sitzung(*w).drehschwebung().live.Impulszahl));
    EXPECT_EQ(dialoge_.meldungsTexte(), (QStringList{QStringLiteral("Falsche Eingabe Ymin oder Ymax"),
                                                     QStringLiteral("Falsche Eingabe Xmin oder Xmax")}));
    EXPECT_FALSE(box->hatLayout());
    sitzung(*w).drehschwebung().live.Impulszahl = 1024;
    ASSERT_TRUE(messen(*w).DrehschwebungGrafik(10, -10, sitzung(*w).drehschwebung().live.Impulszahl));
    EXPECT_EQ(box->chartLayout().PunkteProUmdrehung, 1024);
    EXPECT_EQ(box->chartLayout().beschriftung.back().text, "1800");
}

// The separator comes from the system locale: run again under a German one.
TEST_F(MessAnzeige, NumbersTakeTheSystemLocalesDecimalSeparator) {
    if (qEnvironmentVariableIsSet("KAV_TEST_KIND")) {
        ASSERT_EQ(QLocale::system().decimalPoint(), QStringLiteral(","));
        auto w = verbunden({}, "D");
        w->btnAlle_Click(idx::btnAktuell);
        warteBisFrei(*w);
        sitzung(*w).aktuell().live = {};
        sitzung(*w).aktuell().live.Impulszahl = 1024;
        sitzung(*w).aktuell().live.Drehzahl = 999.94f;
        sitzung(*w).aktuell().live.Versorgungsspannung = 24.04f;
        sitzung(*w).aktuell().live.Frequenz = -1000;
        messen(*w).anzeigen(1);
        EXPECT_EQ(text(*w, idx::txtDrehzahl), QStringLiteral("999,9 1/min"));
        EXPECT_EQ(text(*w, idx::txtVersorgung), QStringLiteral("24,0 V"));
        EXPECT_EQ(text(*w, idx::txtFrequenz), QStringLiteral("-1,0 kHz"));
        return;
    }
#ifdef Q_OS_UNIX
    EXPECT_EQ(QLocale::system().decimalPoint(), QStringLiteral(".")) << "the test application pins C.UTF-8";
    QProcess kind;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("KAV_TEST_LC_ALL"), QStringLiteral("de_DE.UTF-8"));
    umgebung.insert(QStringLiteral("KAV_TEST_KIND"), QStringLiteral("1"));
    kind.setProcessEnvironment(umgebung);
    kind.setProcessChannelMode(QProcess::MergedChannels);
    kind.start(QCoreApplication::applicationFilePath(),
               {QStringLiteral("--gtest_filter=MessAnzeige.NumbersTakeTheSystemLocalesDecimalSeparator")});
    ASSERT_TRUE(kind.waitForFinished(60000));
    const QByteArray ausgabe = kind.readAll();
    EXPECT_EQ(kind.exitCode(), 0) << ausgabe.toStdString();
    EXPECT_TRUE(ausgabe.contains("[  PASSED  ] 1 test")) << ausgabe.toStdString();
#endif
}

} // namespace
} // namespace kav::test
