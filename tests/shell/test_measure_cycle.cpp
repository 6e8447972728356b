// The measurement cycle in the window: entering the pages, continuous
// reading with the live indicator, the time-out, leaving a page while it
// polls, a refused start, the device's failure states, the save and print
// states, and the readout of a record stored in the device.
#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "control_indexes.h"
#include "device_call.h"
#include "measure_window_fixture.h"
#include "measurement_cycle.h"
#include "panel_widgets.h"

namespace kav::test {
namespace {

namespace idx = shell::idx;
using shell::KAV_Main;

class MessZyklus : public MessFensterTest {
protected:
    static bool sichtbar(const QWidget* w) { return !w->isHidden(); }
    static bool an(const QPushButton* b) { return b->isEnabled(); }
};

// Per type: the page's button, frame, buttons, check box (-1 none), result panel and "Zurück".
struct Seite {
    int typ, knopf, frame, lesen, speichern, chk, bild, zurueck;
};
constexpr Seite kSeiten[] = {
    {1, idx::btnAktuell, idx::frmAktuell, idx::btnAktuellWerteLesen, idx::btnAktuellSpeichern, idx::chkAktuellImmer,
     idx::picAktuell, idx::btnAktuellZurueck},
    {2, idx::btnSchlechtimpulse, idx::frmSchlechtimpulse, idx::btnSchlechtWerteLesen, idx::btnSchlechtSpeichern, -1,
     idx::picSchlechtimpulse, idx::btnSchlechtZurueck},
    {3, idx::btnDrehschwebung, idx::frmDrehschwebung, idx::btnDrehWerteLesen, idx::btnDrehSpeichern, idx::chkDrehImmer,
     idx::picDrehschwebung, idx::btnDrehZurueck},
};

TEST_F(MessZyklus, EnteringAPageStartsItsMeasurement) {
    for (const Seite& s : kSeiten) {
        SCOPED_TRACE(s.typ);
        auto w = verbunden();
        w->btnAlle_Click(s.knopf);
        warteBisFrei(*w);
        EXPECT_TRUE(sichtbar(ansicht(*w).frmAlle[static_cast<std::size_t>(s.frame)]));
        EXPECT_TRUE(timer(*w, s.typ).isActive());
        EXPECT_FALSE(sitzung(*w).beschaeftigt());
        EXPECT_FALSE(an(ansicht(*w).btnAlle[static_cast<std::size_t>(s.speichern)]));
        // Current values and oscillation also lock "Werte lesen" while they measure.
        EXPECT_EQ(an(ansicht(*w).btnAlle[static_cast<std::size_t>(s.lesen)]), s.typ == 2);
        if (s.chk >= 0) { // continuous reading: on for current values, off for the oscillation
            EXPECT_EQ(ansicht(*w).chkAlle[static_cast<std::size_t>(s.chk)]->isChecked(), s.typ == 1);
        }
        EXPECT_EQ(messen(*w).zyklus()->AbfrageZaehler, 0);
        EXPECT_TRUE(dialoge_.aufrufe().empty());
    }
}

TEST_F(MessZyklus, ContinuousReadingBlinksOncePerResultAndStopsWhenUnchecked) {
    for (int typ : {1, 3}) {
        SCOPED_TRACE(typ);
        const Seite& s = kSeiten[typ - 1];
        auto w = verbunden();
        w->btnAlle_Click(s.knopf);
        warteBisFrei(*w);
        QCheckBox* immer = ansicht(*w).chkAlle[static_cast<std::size_t>(s.chk)];
        immer->setChecked(true); // the oscillation page enters with it off
        warteBisFrei(*w);
        shell::ShapeWidget* lampe = ansicht(*w).shpAlle[typ == 1 ? idx::shpAktuellLive : idx::shpDrehLive];
        ASSERT_EQ(lampe->fillStyle(), 0);
        for (int ergebnis : {1, 2, 3}) {
            tickeBis(*w, typ, [&] { return lampe->fillStyle() != (ergebnis % 2 == 1 ? 0 : 1); });
            EXPECT_EQ(lampe->fillStyle(), ergebnis % 2) << ergebnis;
            EXPECT_TRUE(timer(*w, typ).isActive()) << "the next measurement runs at once";
            EXPECT_FALSE(an(ansicht(*w).btnAlle[static_cast<std::size_t>(s.speichern)]));
            EXPECT_FALSE(ansicht(*w).mnuProgrammItem[4]->isEnabled());
        }
        EXPECT_TRUE(sichtbar(ansicht(*w).picGrafik[static_cast<std::size_t>(s.bild)]));

        immer->setChecked(false);
        EXPECT_FALSE(timer(*w, typ).isActive());
        EXPECT_EQ(lampe->fillStyle(), 0);
        EXPECT_TRUE(an(ansicht(*w).btnAlle[static_cast<std::size_t>(s.speichern)])) << "the saved copy holds a result";
        EXPECT_TRUE(ansicht(*w).mnuProgrammItem[4]->isEnabled());
        EXPECT_TRUE(an(ansicht(*w).btnAlle[static_cast<std::size_t>(s.lesen)]));
        EXPECT_GT(gespeicherteAnzahl(*w, typ), 0);
        EXPECT_TRUE(dialoge_.aufrufe().empty()) << dialoge_.meldungsTexte().join('|').toStdString();
    }
}

TEST_F(MessZyklus, ASingleMeasurementEnablesSaveAndPrint) {
    for (int typ : {2, 3}) {
        SCOPED_TRACE(typ);
        const Seite& s = kSeiten[typ - 1];
        auto w = verbunden("--deviations 2");
        w->btnAlle_Click(s.knopf);
        warteBisFrei(*w);
        const int ticks = tickeAus(*w, typ);
        EXPECT_GE(ticks, 2);
        EXPECT_TRUE(an(ansicht(*w).btnAlle[static_cast<std::size_t>(s.speichern)]));
        EXPECT_TRUE(an(ansicht(*w).btnAlle[static_cast<std::size_t>(s.lesen)]));
        EXPECT_TRUE(ansicht(*w).mnuProgrammItem[4]->isEnabled());
        EXPECT_TRUE(sichtbar(ansicht(*w).picGrafik[static_cast<std::size_t>(s.bild)]));
        EXPECT_TRUE(ansicht(*w).frmAlle[idx::frmHinweis]->isHidden());
        EXPECT_GT(gespeicherteAnzahl(*w, typ), 0);
        EXPECT_FALSE(sitzung(*w).beschaeftigt());
    }
    // The bad-pulse page waits behind the busy panel while it polls.
    auto w = verbunden();
    w->btnAlle_Click(idx::btnSchlechtimpulse);
    warteBisFrei(*w);
    ticke(*w, 2);
    EXPECT_TRUE(sichtbar(ansicht(*w).frmAlle[idx::frmHinweis]));
    EXPECT_EQ(ansicht(*w).labAlle[idx::labHinweisMeldung]->text(), QStringLiteral("Messung wird durchgeführt."));
}

TEST_F(MessZyklus, TimeOutAfterTwentyAttempts) {
    for (const Seite& s : kSeiten) {
        SCOPED_TRACE(s.typ);
        dialoge_.leeren();
        auto w = verbunden("--never-ready");
        w->btnAlle_Click(s.knopf);
        warteBisFrei(*w);
        EXPECT_EQ(tickeAus(*w, s.typ), 20);
        EXPECT_EQ(dialoge_.meldungsTexte(), QStringList{QStringLiteral("Measurement impossible.\r\nTime out.")});
        if (s.chk >= 0) {
            EXPECT_FALSE(ansicht(*w).chkAlle[static_cast<std::size_t>(s.chk)]->isChecked());
        }
        EXPECT_TRUE(an(ansicht(*w).btnAlle[static_cast<std::size_t>(s.lesen)]));
        // Without any result neither saving nor printing is offered.
        EXPECT_FALSE(an(ansicht(*w).btnAlle[static_cast<std::size_t>(s.speichern)]));
        EXPECT_FALSE(ansicht(*w).mnuProgrammItem[4]->isEnabled());
        EXPECT_TRUE(ansicht(*w).frmAlle[idx::frmHinweis]->isHidden());
        EXPECT_FALSE(sitzung(*w).beschaeftigt());
    }
}

TEST_F(MessZyklus, LeavingAPageWhileItPollsDropsTheMeasurementSilently) {
    for (const Seite& s : kSeiten) {
        SCOPED_TRACE(s.typ);
        auto w = verbunden();
        w->btnAlle_Click(s.knopf);
        warteBisFrei(*w);
        w->btnAlle_Click(s.zurueck);
        warteBisFrei(*w);
        // A tick already on its way finds the page gone.
        ticke(*w, s.typ);
        EXPECT_FALSE(timer(*w, s.typ).isActive());
        EXPECT_TRUE(ansicht(*w).picGrafik[static_cast<std::size_t>(s.bild)]->isHidden());
        EXPECT_TRUE(ansicht(*w).frmAlle[idx::frmHinweis]->isHidden());
        EXPECT_TRUE(dialoge_.aufrufe().empty());
        EXPECT_FALSE(sitzung(*w).beschaeftigt());

        // Left while its readout runs on the worker: the readout is
        // cancelled or its result dropped, without a word either way.
        w->btnAlle_Click(s.knopf);
        warteBisFrei(*w);
        uhr_.advance(std::chrono::milliseconds(500));
        s.typ == 1 ? w->tmrDateiTyp1_Timer() : s.typ == 2 ? w->tmrDateiTyp2_Timer() : w->tmrDateiTyp3_Timer();
        w->btnAlle_Click(s.zurueck);
        warteBisFrei(*w);
        EXPECT_TRUE(ansicht(*w).picGrafik[static_cast<std::size_t>(s.bild)]->isHidden());
        EXPECT_FALSE(sitzung(*w).gespeichertHatDaten(s.typ));
        EXPECT_TRUE(dialoge_.aufrufe().empty());
    }
}

TEST_F(MessZyklus, ARefusedStartClearsTheIdentityAndConnectsAgain) {
    const std::pair<const char*, const char*> faelle[] = {
        {"--failure-bit=DO_MesAktuell", "Measurement impossible.\r\nAn error occured."},
        {"--failure-bit=DO_MesSchlechtimpuls", "Bad pulse measurement\r\ncould not be executed."},
        {"--failure-bit=DO_MesDrehschwebung", "Measurement impossible.\r\nAn error occured."},
    };
    for (const Seite& s : kSeiten) {
        SCOPED_TRACE(s.typ);
        dialoge_.leeren();
        auto w = verbunden(faelle[s.typ - 1].first);
        ansicht(*w).txtAlle[idx::txtGeberSN]->setText(QStringLiteral("G1"));
        QStringList boxen;
        // Behind the message the old identity still stands; after it, the set-up starts afresh.
        dialoge_.beimAufruf = [&](const RecordingDialoge::Aufruf&) {
            boxen << ansicht(*w).txtAlle[idx::txtGeraetSN]->text() << ansicht(*w).txtAlle[idx::txtGeberSN]->text();
        };
        const int oeffnungen = geraet().calls().openEx;
        w->btnAlle_Click(s.knopf);
        warteBisFrei(*w);
        dialoge_.beimAufruf = nullptr;
        EXPECT_EQ(dialoge_.meldungsTexte(), QStringList{QString::fromUtf8(faelle[s.typ - 1].second)});
        EXPECT_EQ(boxen, (QStringList{QStringLiteral("070123"), QStringLiteral("G1")}));
        EXPECT_EQ(geraet().calls().openEx, oeffnungen + 1) << "VerbindungAufbauen ran";
        EXPECT_TRUE(sitzung(*w).verbunden());
        EXPECT_TRUE(ansicht(*w).txtAlle[idx::txtGeberSN]->text().isEmpty());
        EXPECT_EQ(ansicht(*w).txtAlle[idx::txtGeraetSN]->text(), QStringLiteral("070123"));
        EXPECT_TRUE(ansicht(*w).frmAlle[static_cast<std::size_t>(s.frame)]->isHidden());
        EXPECT_FALSE(timer(*w, s.typ).isActive());
        if (s.chk >= 0) {
            EXPECT_FALSE(ansicht(*w).chkAlle[static_cast<std::size_t>(s.chk)]->isChecked());
        }
        EXPECT_FALSE(sitzung(*w).beschaeftigt());
    }
}

TEST_F(MessZyklus, DeviceErrorAndNotInPcModeStopTheMeasurement) {
    const std::pair<const char*, const char*> faelle[] = {
        {"--device-error", "Device error.\r\nFinish program\r\nand restart the device."},
        {"--not-pc-mode", "Measurement impossible.\r\nKAV must set to PC-measurement."},
    };
    for (const Seite& s : kSeiten) {
        for (const auto& [flags, text] : faelle) {
            SCOPED_TRACE(std::to_string(s.typ) + flags);
            dialoge_.leeren();
            auto w = verbunden(flags);
            w->btnAlle_Click(s.knopf);
            warteBisFrei(*w);
            QFrame* bild = ansicht(*w).picGrafik[static_cast<std::size_t>(s.bild)];
            bild->show(); // as after an earlier result
            tickeAus(*w, s.typ);
            EXPECT_EQ(dialoge_.meldungsTexte(), QStringList{QString::fromUtf8(text)});
            EXPECT_TRUE(bild->isHidden());
            EXPECT_FALSE(an(ansicht(*w).btnAlle[static_cast<std::size_t>(s.speichern)]));
            EXPECT_TRUE(an(ansicht(*w).btnAlle[static_cast<std::size_t>(s.lesen)]));
            EXPECT_FALSE(ansicht(*w).mnuProgrammItem[4]->isEnabled());
            EXPECT_TRUE(ansicht(*w).frmAlle[idx::frmHinweis]->isHidden());
            if (s.chk < 0)
                continue;
            QCheckBox* immer = ansicht(*w).chkAlle[static_cast<std::size_t>(s.chk)];
            EXPECT_FALSE(immer->isChecked());
            immer->setChecked(true); // checking it again starts a new measurement
            warteBisFrei(*w);
            EXPECT_TRUE(timer(*w, s.typ).isActive());
        }
    }
}

TEST_F(MessZyklus, ARecordStoredInTheDeviceIsReadAndShown) {
    // Records 0, 1, 2 of the simulated memory are of the types 1, 2, 3.
    const int bilder[] = {idx::picAktuell, idx::picSchlechtimpulse, idx::picDrehschwebung};
    const int impulszahl[] = {idx::txtImpulszahl, idx::txtSchlechtImpulszahl, idx::txtDrehImpulszahl};
    auto w = verbunden();
    w->btnAlle_Click(idx::btnDatenVomGeraet);
    warteBisFrei(*w);
    ansicht(*w).txtAlle[idx::txtGeberSN]->setText(QStringLiteral("der Datensatz"));
    for (int typ : {1, 2, 3}) {
        SCOPED_TRACE(typ);
        ASSERT_TRUE(geraetAufruf(*FensterZugang::link(*w), "RD_FramData", std::to_string(typ - 1)).ok());
        ansicht(*w).btnAlle[idx::btnGeraetSpeichern]->setEnabled(false);
        FensterZugang::aktDateiTyp(*w) = typ;
        w->tmrDateVomG_Timer(); // the status check, then the readout
        warteBisFrei(*w);
        EXPECT_TRUE(an(ansicht(*w).btnAlle[idx::btnGeraetSpeichern]));
        EXPECT_TRUE(sichtbar(ansicht(*w).picGrafik[static_cast<std::size_t>(bilder[typ - 1])]));
        EXPECT_EQ(ansicht(*w).txtAlle[static_cast<std::size_t>(impulszahl[typ - 1])]->text(), QStringLiteral("1024"));
        EXPECT_TRUE(ansicht(*w).mnuProgrammItem[4]->isEnabled());
        EXPECT_FALSE(daten(*w).statusTimer().isActive());
    }
    EXPECT_EQ(ansicht(*w).txtAlle[idx::txtGeberSN]->text(), QStringLiteral("der Datensatz"))
        << "a record keeps the box";
    EXPECT_EQ(sitzung(*w).drehschwebung().gespeichert.AnzahlMesswerte, 200);
    EXPECT_TRUE(dialoge_.aufrufe().empty()) << dialoge_.meldungsTexte().join('|').toStdString();

    // A readout that does not finish: bad pulses try again in 500 ms, the others stop.
    geraet().scenario().add(sim::FaultRule::make(sim::FaultRule::Kind::FailureBit, "RD_InfoUpdate"));
    for (int typ : {1, 2, 3}) {
        SCOPED_TRACE(typ);
        ansicht(*w).btnAlle[idx::btnGeraetSpeichern]->setEnabled(true);
        FensterZugang::aktDateiTyp(*w) = typ;
        w->tmrDateVomG_Timer();
        warteBisFrei(*w);
        EXPECT_EQ(daten(*w).statusTimer().isActive(), typ == 2);
        EXPECT_EQ(an(ansicht(*w).btnAlle[idx::btnGeraetSpeichern]), typ != 2);
        daten(*w).statusTimer().stop();
    }

    // Off the page the live record is only cleared.
    w->btnAlle_Click(idx::btnGeraetZurueck);
    warteBisFrei(*w);
    sitzung(*w).aktuell().live.Impulszahl = 5;
    FensterZugang::aktDateiTyp(*w) = 1;
    w->tmrDateVomG_Timer();
    warteBisFrei(*w);
    EXPECT_EQ(sitzung(*w).aktuell().live.Impulszahl, 0);
    EXPECT_FALSE(daten(*w).statusTimer().isActive());
}

} // namespace
} // namespace kav::test
