// The trend of the current values opened from the page, and the history
// window of an encoder from a small archive.
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <sstream>

#include "archive_fixture.h"
#include "control_indexes.h"
#include "encoder_history.h"
#include "measure_window_fixture.h"
#include "trend_controller.h"
#include "trend_window.h"

namespace kav::test {
namespace {

namespace idx = shell::idx;
using measure::TrendReihe;
using shell::KAV_Main;

class TrendTest : public MessFensterTest {
protected:
    static QPushButton* knopf(const KAV_Main& w) { return w.findChild<QPushButton*>(QStringLiteral("btnVerlauf")); }
    static measure::TrendWindow* fenster(const KAV_Main& w) { return w.findChild<measure::TrendWindow*>(); }
    void seite(KAV_Main& w, int knopfIndex) {
        w.btnAlle_Click(knopfIndex);
        warteBisFrei(w);
    }
    // A reading of the page as the display shows it.
    static void zeigen(KAV_Main& w, std::uint8_t symmetrie0) {
        auto& live = sitzung(w).aktuell().live;
        live = {};
        live.Impulszahl = 1024;
        live.Drehzahl = 1500;
        live.Symmetrie0 = symmetrie0;
        messen(w).anzeigen(1);
    }
};

TEST_F(TrendTest, EveryReadingOfTheContinuousRunReachesTheOpenTrend) {
    auto w = verbunden("--steady --speed 1500");
    ASSERT_NE(knopf(*w), nullptr);
    EXPECT_TRUE(knopf(*w)->isHidden()); // only on the current-values page
    seite(*w, idx::btnAktuell);
    EXPECT_FALSE(knopf(*w)->isHidden());
    knopf(*w)->click();
    measure::TrendWindow* t = fenster(*w);
    ASSERT_NE(t, nullptr);
    EXPECT_TRUE(t->isVisible());

    ansicht(*w).chkAlle[idx::chkAktuellImmer]->setChecked(true);
    warteBisFrei(*w);
    for (int i = 0; i < 4; ++i)
        ticke(*w, 1);
    ASSERT_EQ(t->store().size(), 4u);
    EXPECT_DOUBLE_EQ(*t->store().wert(TrendReihe::Drehzahl, 3), 1500);
    EXPECT_GT(t->store().zeit(3), t->store().zeit(0)); // the run's own clock

    // A code in a percentage byte is a gap, not a zero.
    zeigen(*w, 3);
    const std::size_t gezaehlt = t->store().statistik(TrendReihe::Symmetrie0).anzahl;
    zeigen(*w, 110);
    ASSERT_EQ(t->store().size(), 6u);
    EXPECT_FALSE(t->store().wert(TrendReihe::Symmetrie0, 5));
    EXPECT_EQ(t->store().statistik(TrendReihe::Symmetrie0).anzahl, gezaehlt);
}

TEST_F(TrendTest, ANewRunStartsEmptyAndAClosedWindowKeepsNothing) {
    auto w = verbunden("--steady --speed 1500");
    seite(*w, idx::btnAktuell);
    knopf(*w)->click();
    zeigen(*w, 3);
    zeigen(*w, 4);
    ASSERT_EQ(fenster(*w)->store().size(), 2u);

    seite(*w, idx::btnAktuellZurueck);
    EXPECT_TRUE(knopf(*w)->isHidden());
    zeigen(*w, 5); // not from the page: not part of the run
    seite(*w, idx::btnAktuell);
    EXPECT_TRUE(fenster(*w)->store().empty());
    zeigen(*w, 6);
    EXPECT_EQ(fenster(*w)->store().size(), 1u);
    EXPECT_LT(fenster(*w)->store().zeit(0), 1.0); // timed from the new run's start

    fenster(*w)->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(fenster(*w), nullptr);
    zeigen(*w, 7); // nothing open, nothing kept
    knopf(*w)->click();
    EXPECT_TRUE(fenster(*w)->store().empty());
}

class GeberVerlaufTest : public FensterTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        ASSERT_FALSE(archiv_.open(dir_.filePath(QStringLiteral("archive.sqlite"))));
        addSampleResults(archiv_);
    }
    QTemporaryDir dir_;
    archive::Archive archiv_;
};

TEST_F(GeberVerlaufTest, OnePointPerTestInItsVerdictsColour) {
    shell::GeberVerlauf v;
    ASSERT_FALSE(shell::verlaufLaden(archiv_, QStringLiteral("A1"), v));
    ASSERT_EQ(v.tests.size(), 3u); // B2's test is not A1's
    EXPECT_EQ(v.tests[0].taken, QStringLiteral("2024-03-07T09:00:00"));
    EXPECT_EQ(v.tests[2].taken, QStringLiteral("2024-04-01T00:00:00"));

    shell::HistoryWindow fenster(v);
    std::size_t drehzahl = 0;
    for (; drehzahl < shell::verlaufReihen().size(); ++drehzahl)
        if (shell::verlaufReihen()[drehzahl].feld == std::string_view("Drehzahl"))
            break;
    std::vector<QColor> farben;
    std::vector<qreal> orte;
    for (const shell::VerlaufPunkt& p : fenster.punkte())
        if (p.reihe == drehzahl) {
            farben.push_back(p.farbe);
            orte.push_back(p.ort.x());
        }
    const std::vector<QColor> erwartet = {shell::urteilFarbe(QStringLiteral("PASS")),
                                          shell::urteilFarbe(QStringLiteral("FAIL")),
                                          shell::urteilFarbe(QStringLiteral("PASS"))};
    EXPECT_EQ(farben, erwartet);
    ASSERT_EQ(orte.size(), 3u);
    EXPECT_LT(orte[0], orte[1]); // older left
    EXPECT_LT(orte[1], orte[2]);
    EXPECT_NE(shell::urteilFarbe(std::nullopt), erwartet[0]);
    EXPECT_NE(shell::urteilFarbe(QStringLiteral("INCOMPLETE")), erwartet[1]);
    // Series only the oscillation has no point from a current-values test.
    const auto symmetrie = static_cast<std::size_t>(
        std::find_if(shell::verlaufReihen().begin(), shell::verlaufReihen().end(),
                     [](const shell::VerlaufReihe& r) { return std::string_view(r.feld) == "Symmetrie0"; }) -
        shell::verlaufReihen().begin());
    EXPECT_EQ(v.tests[0].werte[symmetrie], -56); // the byte 200 as sent
    EXPECT_FALSE(v.tests[1].werte[symmetrie]);

    std::ostringstream csv;
    shell::verlaufCsvSchreiben(csv, v);
    const QStringList zeilen = QString::fromStdString(csv.str()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(zeilen.size(), 4);
    EXPECT_TRUE(zeilen[0].startsWith(QStringLiteral("taken,id,type,verdict,")));
    EXPECT_TRUE(zeilen[2].startsWith(QStringLiteral("2024-03-31T00:00:00,"))) << zeilen[2].toStdString();
    EXPECT_TRUE(zeilen[2].contains(QStringLiteral(",3,FAIL,")));
}

TEST(GeberVerlauf, ArchivedBytesBecomeSignedValuesOrGaps) {
    using shell::VerlaufArt;
    const struct {
        VerlaufArt art;
        double archiviert;
        std::optional<double> wert;
    } faelle[] = {
        {VerlaufArt::Zahl, 1500.5, 1500.5},  {VerlaufArt::Byte, 200, -56},
        {VerlaufArt::Symmetrie, 5, 5},       {VerlaufArt::Symmetrie, 110, std::nullopt},
        {VerlaufArt::Symmetrie, 127, 127},   {VerlaufArt::Phasenlage, 127, std::nullopt},
        {VerlaufArt::Phasenlage, 255, -1},   {VerlaufArt::Byte, 300, std::nullopt},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(shell::verlaufWert(f.art, f.archiviert), f.wert) << f.archiviert;
}

TEST_F(GeberVerlaufTest, AnEncoderWithoutTestsIsSaidNotShown) {
    QWidget eltern;
    shell::verlaufZeigen(&eltern, archiv_, QStringLiteral("ZZ9"));
    EXPECT_EQ(eltern.findChild<shell::HistoryWindow*>(), nullptr);
    ASSERT_EQ(dialoge_.aufrufe().size(), 1u);
    shell::verlaufZeigen(&eltern, archiv_, QStringLiteral("A1"));
    EXPECT_NE(eltern.findChild<shell::HistoryWindow*>(), nullptr);
}

} // namespace
} // namespace kav::test
