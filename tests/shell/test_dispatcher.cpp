// The button dispatcher: which frames, areas and buttons each row shows,
// hides, enables or disables.
#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "control_indexes.h"
#include "window_fixture.h"

namespace kav::test {
namespace {

namespace idx = shell::idx;
using shell::KAV_Main;

class DispatcherTest : public FensterTest {
protected:
    // What the user sees of the window: shown, enabled and texts of every control.
    static QStringList zustand(const KAV_Main& w) {
        QStringList z;
        for (const QGroupBox* f : w.frmAlle)
            z << QStringLiteral("f%1").arg(f->isHidden() ? 0 : 1);
        for (const QPushButton* b : w.btnAlle)
            z << QStringLiteral("b%1%2").arg(b->isHidden() ? 0 : 1).arg(b->isEnabled() ? 1 : 0);
        for (const QFrame* p : w.picGrafik)
            z << QStringLiteral("p%1").arg(p->isHidden() ? 0 : 1);
        for (const QLineEdit* t : w.txtAlle)
            if (t)
                z << t->text();
        for (const QCheckBox* c : w.chkAlle)
            z << QStringLiteral("c%1").arg(c->isChecked() ? 1 : 0);
        z << QStringLiteral("d%1").arg(w.mnuProgrammItem[4]->isEnabled() ? 1 : 0);
        z << QStringLiteral("busy%1").arg(w.Beschaeftigt ? 1 : 0);
        return z;
    }
    static bool sichtbar(const QWidget* w) { return !w->isHidden(); }
    static void homeErwartet(const KAV_Main& w) {
        for (int f : {0, 1, 2})
            EXPECT_TRUE(sichtbar(w.frmAlle[static_cast<std::size_t>(f)])) << f;
    }
};

TEST_F(DispatcherTest, DataFromComputerOpensTheFileBrowserAndBackShowsTheConnectFrameWhileOffline) {
    offlineStart();
    auto w = starteUndAktiviere();
    w->VerbindungsInfoZeigen(true);
    w->mnuProgrammItem[4]->setEnabled(true);
    w->btnAlle_Click(idx::btnDatenVomComputer);
    EXPECT_TRUE(w->frmAlle[8]->isHidden());
    for (int f : {0, 1, 2, 9})
        EXPECT_TRUE(w->frmAlle[static_cast<std::size_t>(f)]->isHidden()) << f;
    EXPECT_TRUE(sichtbar(w->frmAlle[7]));
    EXPECT_FALSE(w->btnAlle[idx::btnOeffnen]->isEnabled());

    // A record opened from a file shows its own identity; back restores the device's.
    w->txtAlle[30]->setText(QStringLiteral("111111"));
    w->txtAlle[36]->setText(QStringLiteral("07.03.2008 - 09:05:00"));
    w->txtAlle[37]->setText(QStringLiteral("Motor"));
    w->txtAlle[38]->setText(QStringLiteral("G1"));
    w->picGrafik[2]->show();
    w->btnAlle[20]->show();
    w->btnAlle_Click(idx::btnComputerZurueck);
    EXPECT_TRUE(sichtbar(w->frmAlle[9]));
    EXPECT_TRUE(sichtbar(w->frmAlle[2]));
    EXPECT_TRUE(w->frmAlle[0]->isHidden());
    EXPECT_TRUE(w->frmAlle[1]->isHidden());
    EXPECT_TRUE(w->frmAlle[7]->isHidden());
    EXPECT_TRUE(w->picGrafik[2]->isHidden());
    EXPECT_TRUE(w->btnAlle[20]->isHidden());
    EXPECT_FALSE(w->mnuProgrammItem[4]->isEnabled());
    for (int t : {30, 31, 36, 37, 38})
        EXPECT_TRUE(w->txtAlle[static_cast<std::size_t>(t)]->text().isEmpty()) << t;
}

TEST_F(DispatcherTest, BackFromDataFromComputerWhileConnectedShowsTheHomeFrames) {
    auto w = starteUndAktiviere();
    ASSERT_TRUE(w->Verbunden);
    w->btnAlle_Click(idx::btnDatenVomComputer);
    EXPECT_EQ(w->GeraetSN, QStringLiteral("070123"));
    EXPECT_EQ(w->GeraetFW, QStringLiteral("V2.13"));
    w->txtAlle[30]->setText(QStringLiteral("999999"));
    w->btnAlle_Click(idx::btnComputerZurueck);
    homeErwartet(*w);
    EXPECT_TRUE(w->frmAlle[9]->isHidden());
    EXPECT_EQ(w->txtAlle[30]->text(), QStringLiteral("070123"));
    EXPECT_EQ(w->txtAlle[31]->text(), QStringLiteral("V2.13"));
}

TEST_F(DispatcherTest, AfterADisconnectBackFromDataFromComputerOffersTheConnectFrame) {
    auto w = starteUndAktiviere();
    w->mnuProgrammItem[2]->trigger(); // "Verbindung beenden"
    w->btnAlle_Click(idx::btnDatenVomComputer);
    w->btnAlle_Click(idx::btnComputerZurueck);
    EXPECT_TRUE(sichtbar(w->frmAlle[9]));
    EXPECT_TRUE(w->frmAlle[0]->isHidden());
}

TEST_F(DispatcherTest, DataFromDeviceAndBack) {
    auto w = starteUndAktiviere();
    w->btnAlle[idx::btnGeraetSpeichern]->setEnabled(true);
    w->btnAlle_Click(idx::btnDatenVomGeraet);
    EXPECT_TRUE(sichtbar(w->frmAlle[6]));
    for (int f : {0, 1, 2})
        EXPECT_TRUE(w->frmAlle[static_cast<std::size_t>(f)]->isHidden());
    EXPECT_FALSE(w->btnAlle[idx::btnGeraetSpeichern]->isEnabled());
    EXPECT_EQ(w->GeraetSN, QStringLiteral("070123"));

    w->txtAlle[30]->setText(QStringLiteral("070999"));
    w->txtAlle[37]->setText(QStringLiteral("Rec"));
    w->picGrafik[0]->show();
    w->btnAlle_Click(idx::btnGeraetZurueck);
    homeErwartet(*w);
    EXPECT_TRUE(w->frmAlle[6]->isHidden());
    EXPECT_TRUE(w->picGrafik[0]->isHidden());
    EXPECT_EQ(w->txtAlle[30]->text(), QStringLiteral("070123"));
    EXPECT_TRUE(w->txtAlle[37]->text().isEmpty());
}

TEST_F(DispatcherTest, OscillationPageSwitchesContinuousReadingOffAndItsBackClearsTheBusyFlag) {
    auto w = starteUndAktiviere();
    w->chkAlle[idx::chkDrehImmer]->setChecked(true);
    w->btnAlle_Click(idx::btnDrehschwebung);
    EXPECT_TRUE(sichtbar(w->frmAlle[3]));
    EXPECT_TRUE(w->frmAlle[0]->isHidden());
    EXPECT_FALSE(w->chkAlle[idx::chkDrehImmer]->isChecked());

    w->Beschaeftigt = true;
    w->tmrDateiTyp3.start();
    w->txtAlle[38]->setText(QStringLiteral("G1"));
    w->picGrafik[0]->show();
    w->mnuProgrammItem[4]->setEnabled(true);
    w->btnAlle_Click(idx::btnDrehZurueck);
    EXPECT_FALSE(w->Beschaeftigt);
    EXPECT_FALSE(w->tmrDateiTyp3.isActive());
    EXPECT_TRUE(w->txtAlle[38]->text().isEmpty());
    EXPECT_TRUE(w->picGrafik[0]->isHidden());
    EXPECT_TRUE(w->frmAlle[3]->isHidden());
    EXPECT_FALSE(w->mnuProgrammItem[4]->isEnabled());
    homeErwartet(*w);
}

TEST_F(DispatcherTest, CurrentValuesPageSwitchesContinuousReadingOnAndItsBackStopsThePoll) {
    auto w = starteUndAktiviere();
    w->btnAlle_Click(idx::btnAktuell);
    EXPECT_TRUE(sichtbar(w->frmAlle[5]));
    EXPECT_TRUE(w->chkAlle[idx::chkAktuellImmer]->isChecked());

    w->tmrDateiTyp1.start();
    w->btnAlle[20]->show();
    w->picGrafik[2]->show();
    w->Beschaeftigt = true;
    w->btnAlle_Click(idx::btnAktuellZurueck);
    EXPECT_FALSE(w->tmrDateiTyp1.isActive());
    EXPECT_TRUE(w->btnAlle[20]->isHidden());
    EXPECT_TRUE(w->picGrafik[2]->isHidden());
    EXPECT_TRUE(w->frmAlle[5]->isHidden());
    EXPECT_TRUE(w->Beschaeftigt) << "only the oscillation page's back clears the flag";
    homeErwartet(*w);

    // Entering again with the box still checked keeps it checked.
    w->btnAlle_Click(idx::btnAktuell);
    EXPECT_TRUE(w->chkAlle[idx::chkAktuellImmer]->isChecked());
}

TEST_F(DispatcherTest, BadPulsePageAndItsBackHidesTheWaitPanel) {
    auto w = starteUndAktiviere(); // connected: the page's measurement starts
    w->btnAlle_Click(idx::btnSchlechtimpulse);
    EXPECT_TRUE(sichtbar(w->frmAlle[4]));
    w->HinweisZeigen(true, QStringLiteral("Messung wird durchgeführt."));
    w->tmrDateiTyp2.start();
    w->picGrafik[1]->show();
    w->btnAlle_Click(idx::btnSchlechtZurueck);
    EXPECT_TRUE(w->frmAlle[10]->isHidden());
    EXPECT_FALSE(w->tmrBalken.isActive());
    EXPECT_TRUE(w->tmrDateiTyp2.isActive()) << "the poll ends at its own next tick";
    EXPECT_TRUE(w->picGrafik[1]->isHidden());
    EXPECT_TRUE(w->frmAlle[4]->isHidden());
    homeErwartet(*w);
}

TEST_F(DispatcherTest, CloseHidesTheConnectionPanelAndClearsItsMessage) {
    neuesGeraet(ohneWandler());
    auto w = starteUndAktiviere();
    ASSERT_TRUE(sichtbar(w->frmAlle[8]));
    ASSERT_TRUE(w->tmrFarben.isActive());
    w->mnuProgrammItem[4]->setEnabled(true);
    w->btnAlle_Click(idx::btnSchliessen);
    EXPECT_TRUE(w->frmAlle[8]->isHidden());
    EXPECT_TRUE(w->btnAlle[15]->isHidden());
    EXPECT_TRUE(w->labAlle[43]->text().isEmpty());
    EXPECT_FALSE(w->tmrFarben.isActive());
    EXPECT_FALSE(w->mnuProgrammItem[4]->isEnabled());
    EXPECT_TRUE(sichtbar(w->frmAlle[9])) << "the connect frame stays";
}

TEST_F(DispatcherTest, ConnectButtonHidesAnOpenPanelAndConnects) {
    neuesGeraet(ohneWandler());
    auto w = starteUndAktiviere();
    ASSERT_FALSE(w->Verbunden);
    geraet().scenario().noConverter = false;
    w->btnAlle_Click(idx::btnVerbindungAufbauen);
    EXPECT_TRUE(w->Verbunden);
    EXPECT_TRUE(w->frmAlle[8]->isHidden());
    EXPECT_TRUE(w->frmAlle[9]->isHidden());
    EXPECT_TRUE(w->btnAlle[idx::btnAktuell]->isEnabled());
}

TEST_F(DispatcherTest, TheTrackErrorButtonHidesItself) {
    offlineStart();
    auto w = starte();
    w->btnAlle[20]->show();
    w->btnAlle_Click(idx::btnSpurfehler);
    EXPECT_TRUE(w->btnAlle[20]->isHidden());
}

TEST_F(DispatcherTest, SaveButtonsWithoutDataAndIndexesOutsideTheArrayDoNothing) {
    auto w = starteUndAktiviere();
    w->btnAlle_Click(idx::btnAktuell);
    const QStringList vorher = zustand(*w);
    for (int i : {-1, 21, 100, idx::btnDrehSpeichern, idx::btnSchlechtSpeichern, idx::btnAktuellSpeichern,
                  idx::btnGeraetSpeichern}) {
        w->btnAlle_Click(i);
        EXPECT_EQ(zustand(*w), vorher) << i;
    }
    EXPECT_TRUE(dialoge_.aufrufe().empty());
}

TEST_F(DispatcherTest, FarbenAndHilfeCannotBeChosen) {
    offlineStart();
    auto w = starte();
    EXPECT_FALSE(w->mnuEinstItem[4]->isEnabled());
    EXPECT_FALSE(w->mnuHilfeItem[1]->isEnabled());
    EXPECT_TRUE(w->mnuHilfeItem[2]->isSeparator());
    EXPECT_TRUE(w->mnuProgrammItem[3]->isSeparator());
    EXPECT_TRUE(w->mnuProgrammItem[6]->isSeparator());
}

} // namespace
} // namespace kav::test
