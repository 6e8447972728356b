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
        EXPECT_TRUE(sichtbar(w->frmAlle[static_cast<std::size_t>(s.frame)]));
        EXPECT_TRUE(timer(*w, s.typ).isActive());
        EXPECT_FALSE(w->Beschaeftigt);
        EXPECT_FALSE(an(w->btnAlle[static_cast<std::size_t>(s.speichern)]));
        // Current values and oscillation also lock "Werte lesen" while they measure.
        EXPECT_EQ(an(w->btnAlle[static_cast<std::size_t>(s.lesen)]), s.typ == 2);
        if (s.chk >= 0) { // continuous reading: on for current values, off for the oscillation
            EXPECT_EQ(w->chkAlle[static_cast<std::size_t>(s.chk)]->isChecked(), s.typ == 1);
        }
        EXPECT_EQ(w->messzyklus()->AbfrageZaehler, 0);
        EXPECT_TRUE(dialoge_.aufrufe().empty());
    }
}

TEST_F(MessZyklus, ContinuousReadingBlinksOncePerResultAndStopsWhenUnchecked) {
    for (int typ : {1, 3}) {
        SCOPED_TRACE(typ);
        const Seite& s = kSeiten[typ - 1];
        auto w = verbunden();
        w->btnAlle_Click(s.knopf);
        QCheckBox* immer = w->chkAlle[static_cast<std::size_t>(s.chk)];
        immer->setChecked(true); // the oscillation page enters with it off
        shell::ShapeWidget* lampe = w->shpAlle[typ == 1 ? idx::shpAktuellLive : idx::shpDrehLive];
        ASSERT_EQ(lampe->fillStyle(), 0);
        for (int ergebnis : {1, 2, 3}) {
            tickeBis(*w, typ, [&] { return lampe->fillStyle() != (ergebnis % 2 == 1 ? 0 : 1); });
            EXPECT_EQ(lampe->fillStyle(), ergebnis % 2) << ergebnis;
            EXPECT_TRUE(timer(*w, typ).isActive()) << "the next measurement runs at once";
            EXPECT_FALSE(an(w->btnAlle[static_cast<std::size_t>(s.speichern)]));
            EXPECT_FALSE(w->mnuProgrammItem[4]->isEnabled());
        }
        EXPECT_TRUE(sichtbar(w->picGrafik[static_cast<std::size_t>(s.bild)]));

        immer->setChecked(false);
        EXPECT_FALSE(timer(*w, typ).isActive());
        EXPECT_EQ(lampe->fillStyle(), 0);
        EXPECT_TRUE(an(w->btnAlle[static_cast<std::size_t>(s.speichern)])) << "the saved copy holds a result";
        EXPECT_TRUE(w->mnuProgrammItem[4]->isEnabled());
        EXPECT_TRUE(an(w->btnAlle[static_cast<std::size_t>(s.lesen)]));
        EXPECT_GT(w->gespeicherteAnzahl(typ), 0);
        EXPECT_TRUE(dialoge_.aufrufe().empty()) << dialoge_.meldungsTexte().join('|').toStdString();
    }
}

TEST_F(MessZyklus, ASingleMeasurementEnablesSaveAndPrint) {
    for (int typ : {2, 3}) {
        SCOPED_TRACE(typ);
        const Seite& s = kSeiten[typ - 1];
        auto w = verbunden("--deviations 2");
        w->btnAlle_Click(s.knopf);
        const int ticks = tickeAus(*w, typ);
        EXPECT_GE(ticks, 2);
        EXPECT_TRUE(an(w->btnAlle[static_cast<std::size_t>(s.speichern)]));
        EXPECT_TRUE(an(w->btnAlle[static_cast<std::size_t>(s.lesen)]));
        EXPECT_TRUE(w->mnuProgrammItem[4]->isEnabled());
        EXPECT_TRUE(sichtbar(w->picGrafik[static_cast<std::size_t>(s.bild)]));
        EXPECT_TRUE(w->frmAlle[idx::frmHinweis]->isHidden());
        EXPECT_GT(w->gespeicherteAnzahl(typ), 0);
        EXPECT_FALSE(w->Beschaeftigt);
    }
    // The bad-pulse page waits behind the busy panel while it polls.
    auto w = verbunden();
    w->btnAlle_Click(idx::btnSchlechtimpulse);
    ticke(*w, 2);
    EXPECT_TRUE(sichtbar(w->frmAlle[idx::frmHinweis]));
    EXPECT_EQ(w->labAlle[idx::labHinweisMeldung]->text(), QStringLiteral("Messung wird durchgeführt."));
}

TEST_F(MessZyklus, TimeOutAfterTwentyAttempts) {
    for (const Seite& s : kSeiten) {
        SCOPED_TRACE(s.typ);
        dialoge_.leeren();
        auto w = verbunden("--never-ready");
        w->btnAlle_Click(s.knopf);
        EXPECT_EQ(tickeAus(*w, s.typ), 20);
        EXPECT_EQ(dialoge_.meldungsTexte(), QStringList{QStringLiteral("Measurement impossible.\r\nTime out.")});
        if (s.chk >= 0) {
            EXPECT_FALSE(w->chkAlle[static_cast<std::size_t>(s.chk)]->isChecked());
        }
        EXPECT_TRUE(an(w->btnAlle[static_cast<std::size_t>(s.lesen)]));
        // Without any result neither saving nor printing is offered.
        EXPECT_FALSE(an(w->btnAlle[static_cast<std::size_t>(s.speichern)]));
        EXPECT_FALSE(w->mnuProgrammItem[4]->isEnabled());
        EXPECT_TRUE(w->frmAlle[idx::frmHinweis]->isHidden());
        EXPECT_FALSE(w->Beschaeftigt);
    }
}

TEST_F(MessZyklus, LeavingAPageWhileItPollsDropsTheMeasurementSilently) {
    for (const Seite& s : kSeiten) {
        SCOPED_TRACE(s.typ);
        auto w = verbunden();
        w->btnAlle_Click(s.knopf);
        w->btnAlle_Click(s.zurueck);
        // A tick already on its way finds the page gone.
        ticke(*w, s.typ);
        EXPECT_FALSE(timer(*w, s.typ).isActive());
        EXPECT_TRUE(w->picGrafik[static_cast<std::size_t>(s.bild)]->isHidden());
        EXPECT_TRUE(w->frmAlle[idx::frmHinweis]->isHidden());
        EXPECT_TRUE(dialoge_.aufrufe().empty());
        EXPECT_FALSE(w->Beschaeftigt);
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
        w->txtAlle[idx::txtGeberSN]->setText(QStringLiteral("G1"));
        QStringList boxen;
        // Behind the message the old identity still stands; after it, the set-up starts afresh.
        dialoge_.beimAufruf = [&](const RecordingDialoge::Aufruf&) {
            boxen << w->txtAlle[idx::txtGeraetSN]->text() << w->txtAlle[idx::txtGeberSN]->text();
        };
        const int oeffnungen = geraet().calls().openEx;
        w->btnAlle_Click(s.knopf);
        dialoge_.beimAufruf = nullptr;
        EXPECT_EQ(dialoge_.meldungsTexte(), QStringList{QString::fromUtf8(faelle[s.typ - 1].second)});
        EXPECT_EQ(boxen, (QStringList{QStringLiteral("070123"), QStringLiteral("G1")}));
        EXPECT_EQ(geraet().calls().openEx, oeffnungen + 1) << "VerbindungAufbauen ran";
        EXPECT_TRUE(w->Verbunden);
        EXPECT_TRUE(w->txtAlle[idx::txtGeberSN]->text().isEmpty());
        EXPECT_EQ(w->txtAlle[idx::txtGeraetSN]->text(), QStringLiteral("070123"));
        EXPECT_TRUE(w->frmAlle[static_cast<std::size_t>(s.frame)]->isHidden());
        EXPECT_FALSE(timer(*w, s.typ).isActive());
        if (s.chk >= 0) {
            EXPECT_FALSE(w->chkAlle[static_cast<std::size_t>(s.chk)]->isChecked());
        }
        EXPECT_FALSE(w->Beschaeftigt);
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
            QFrame* bild = w->picGrafik[static_cast<std::size_t>(s.bild)];
            bild->show(); // as after an earlier result
            tickeAus(*w, s.typ);
            EXPECT_EQ(dialoge_.meldungsTexte(), QStringList{QString::fromUtf8(text)});
            EXPECT_TRUE(bild->isHidden());
            EXPECT_FALSE(an(w->btnAlle[static_cast<std::size_t>(s.speichern)]));
            EXPECT_TRUE(an(w->btnAlle[static_cast<std::size_t>(s.lesen)]));
            EXPECT_FALSE(w->mnuProgrammItem[4]->isEnabled());
            EXPECT_TRUE(w->frmAlle[idx::frmHinweis]->isHidden());
            if (s.chk < 0)
                continue;
            QCheckBox* immer = w->chkAlle[static_cast<std::size_t>(s.chk)];
            EXPECT_FALSE(immer->isChecked());
            immer->setChecked(true); // checking it again starts a new measurement
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
    w->txtAlle[idx::txtGeberSN]->setText(QStringLiteral("der Datensatz"));
    for (int typ : {1, 2, 3}) {
        SCOPED_TRACE(typ);
        ASSERT_TRUE(geraetAufruf(*w->link(), "RD_FramData", std::to_string(typ - 1)).ok());
        w->btnAlle[idx::btnGeraetSpeichern]->setEnabled(false);
        w->AktDateiTyp = typ;
        w->tmrDateVomG_Timer(); // the status check, then the readout
        EXPECT_TRUE(an(w->btnAlle[idx::btnGeraetSpeichern]));
        EXPECT_TRUE(sichtbar(w->picGrafik[static_cast<std::size_t>(bilder[typ - 1])]));
        EXPECT_EQ(w->txtAlle[static_cast<std::size_t>(impulszahl[typ - 1])]->text(), QStringLiteral("1024"));
        EXPECT_TRUE(w->mnuProgrammItem[4]->isEnabled());
        EXPECT_FALSE(w->tmrDateVomG.isActive());
    }
    EXPECT_EQ(w->txtAlle[idx::txtGeberSN]->text(), QStringLiteral("der Datensatz")) << "a record keeps the box";
    EXPECT_EQ(w->DrehschwebungGespeichert.AnzahlMesswerte, 200);
    EXPECT_TRUE(dialoge_.aufrufe().empty()) << dialoge_.meldungsTexte().join('|').toStdString();

    // A readout that does not finish: bad pulses try again in 500 ms, the others stop.
    geraet().scenario().add(sim::FaultRule::make(sim::FaultRule::Kind::FailureBit, "RD_InfoUpdate"));
    for (int typ : {1, 2, 3}) {
        SCOPED_TRACE(typ);
        w->btnAlle[idx::btnGeraetSpeichern]->setEnabled(true);
        w->AktDateiTyp = typ;
        w->DateVomGAuslesen();
        EXPECT_EQ(w->tmrDateVomG.isActive(), typ == 2);
        EXPECT_EQ(an(w->btnAlle[idx::btnGeraetSpeichern]), typ != 2);
        w->tmrDateVomG.stop();
    }

    // Off the page the live record is only cleared.
    w->btnAlle_Click(idx::btnGeraetZurueck);
    w->AktuellLive.Impulszahl = 5;
    w->AktDateiTyp = 1;
    w->DateVomGAuslesen();
    EXPECT_EQ(w->AktuellLive.Impulszahl, 0);
    EXPECT_FALSE(w->tmrDateVomG.isActive());
}

} // namespace
} // namespace kav::test
