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
        for (const QGroupBox* f : ansicht(w).frmAlle)
            z << QStringLiteral("f%1").arg(f->isHidden() ? 0 : 1);
        for (const QPushButton* b : ansicht(w).btnAlle)
            z << QStringLiteral("b%1%2").arg(b->isHidden() ? 0 : 1).arg(b->isEnabled() ? 1 : 0);
        for (const QFrame* p : ansicht(w).picGrafik)
            z << QStringLiteral("p%1").arg(p->isHidden() ? 0 : 1);
        for (const QLineEdit* t : ansicht(w).txtAlle)
            if (t)
                z << t->text();
        for (const QCheckBox* c : ansicht(w).chkAlle)
            z << QStringLiteral("c%1").arg(c->isChecked() ? 1 : 0);
        z << QStringLiteral("d%1").arg(ansicht(w).mnuProgrammItem[4]->isEnabled() ? 1 : 0);
        z << QStringLiteral("busy%1").arg(sitzung(w).beschaeftigt() ? 1 : 0);
        return z;
    }
    static bool sichtbar(const QWidget* w) { return !w->isHidden(); }
    static void homeErwartet(const KAV_Main& w) {
        for (int f : {0, 1, 2})
            EXPECT_TRUE(sichtbar(ansicht(w).frmAlle[static_cast<std::size_t>(f)])) << f;
    }
};

TEST_F(DispatcherTest, DataFromComputerOpensTheFileBrowserAndBackShowsTheConnectFrameWhileOffline) {
    offlineStart();
    auto w = starteUndAktiviere();
    ansicht(*w).VerbindungsInfoZeigen(true);
    ansicht(*w).mnuProgrammItem[4]->setEnabled(true);
    w->btnAlle_Click(idx::btnDatenVomComputer);
    warteBisFrei(*w);
    EXPECT_TRUE(ansicht(*w).frmAlle[8]->isHidden());
    for (int f : {0, 1, 2, 9})
        EXPECT_TRUE(ansicht(*w).frmAlle[static_cast<std::size_t>(f)]->isHidden()) << f;
    EXPECT_TRUE(sichtbar(ansicht(*w).frmAlle[7]));
    EXPECT_FALSE(ansicht(*w).btnAlle[idx::btnOeffnen]->isEnabled());

    // A record opened from a file shows its own identity; back restores the device's.
    ansicht(*w).txtAlle[30]->setText(QStringLiteral("111111"));
    ansicht(*w).txtAlle[36]->setText(QStringLiteral("07.03.2008 - 09:05:00"));
    ansicht(*w).txtAlle[37]->setText(QStringLiteral("Motor"));
    ansicht(*w).txtAlle[38]->setText(QStringLiteral("G1"));
    ansicht(*w).picGrafik[2]->show();
    ansicht(*w).btnAlle[20]->show();
    w->btnAlle_Click(idx::btnComputerZurueck);
    warteBisFrei(*w);
    EXPECT_TRUE(sichtbar(ansicht(*w).frmAlle[9]));
    EXPECT_TRUE(sichtbar(ansicht(*w).frmAlle[2]));
    EXPECT_TRUE(ansicht(*w).frmAlle[0]->isHidden());
    EXPECT_TRUE(ansicht(*w).frmAlle[1]->isHidden());
    EXPECT_TRUE(ansicht(*w).frmAlle[7]->isHidden());
    EXPECT_TRUE(ansicht(*w).picGrafik[2]->isHidden());
    EXPECT_TRUE(ansicht(*w).btnAlle[20]->isHidden());
    EXPECT_FALSE(ansicht(*w).mnuProgrammItem[4]->isEnabled());
    for (int t : {30, 31, 36, 37, 38})
        EXPECT_TRUE(ansicht(*w).txtAlle[static_cast<std::size_t>(t)]->text().isEmpty()) << t;
}

TEST_F(DispatcherTest, BackFromDataFromComputerWhileConnectedShowsTheHomeFrames) {
    auto w = starteUndAktiviere();
    ASSERT_TRUE(sitzung(*w).verbunden());
    w->btnAlle_Click(idx::btnDatenVomComputer);
    warteBisFrei(*w);
    EXPECT_EQ(daten(*w).GeraetSN, QStringLiteral("070123"));
    EXPECT_EQ(daten(*w).GeraetFW, QStringLiteral("V2.13"));
    ansicht(*w).txtAlle[30]->setText(QStringLiteral("999999"));
    w->btnAlle_Click(idx::btnComputerZurueck);
    warteBisFrei(*w);
    homeErwartet(*w);
    EXPECT_TRUE(ansicht(*w).frmAlle[9]->isHidden());
    EXPECT_EQ(ansicht(*w).txtAlle[30]->text(), QStringLiteral("070123"));
    EXPECT_EQ(ansicht(*w).txtAlle[31]->text(), QStringLiteral("V2.13"));
}

TEST_F(DispatcherTest, AfterADisconnectBackFromDataFromComputerOffersTheConnectFrame) {
    auto w = starteUndAktiviere();
    ansicht(*w).mnuProgrammItem[2]->trigger(); // "Verbindung beenden"
    w->btnAlle_Click(idx::btnDatenVomComputer);
    warteBisFrei(*w);
    w->btnAlle_Click(idx::btnComputerZurueck);
    warteBisFrei(*w);
    EXPECT_TRUE(sichtbar(ansicht(*w).frmAlle[9]));
    EXPECT_TRUE(ansicht(*w).frmAlle[0]->isHidden());
}

TEST_F(DispatcherTest, DataFromDeviceAndBack) {
    auto w = starteUndAktiviere();
    ansicht(*w).btnAlle[idx::btnGeraetSpeichern]->setEnabled(true);
    w->btnAlle_Click(idx::btnDatenVomGeraet);
    warteBisFrei(*w);
    EXPECT_TRUE(sichtbar(ansicht(*w).frmAlle[6]));
    for (int f : {0, 1, 2})
        EXPECT_TRUE(ansicht(*w).frmAlle[static_cast<std::size_t>(f)]->isHidden());
    EXPECT_FALSE(ansicht(*w).btnAlle[idx::btnGeraetSpeichern]->isEnabled());
    EXPECT_EQ(daten(*w).GeraetSN, QStringLiteral("070123"));

    ansicht(*w).txtAlle[30]->setText(QStringLiteral("070999"));
    ansicht(*w).txtAlle[37]->setText(QStringLiteral("Rec"));
    ansicht(*w).picGrafik[0]->show();
    w->btnAlle_Click(idx::btnGeraetZurueck);
    warteBisFrei(*w);
    homeErwartet(*w);
    EXPECT_TRUE(ansicht(*w).frmAlle[6]->isHidden());
    EXPECT_TRUE(ansicht(*w).picGrafik[0]->isHidden());
    EXPECT_EQ(ansicht(*w).txtAlle[30]->text(), QStringLiteral("070123"));
    EXPECT_TRUE(ansicht(*w).txtAlle[37]->text().isEmpty());
}

TEST_F(DispatcherTest, OscillationPageSwitchesContinuousReadingOffAndItsBackStopsThePoll) {
    auto w = starteUndAktiviere();
    ansicht(*w).chkAlle[idx::chkDrehImmer]->setChecked(true);
    warteBisFrei(*w);
    w->btnAlle_Click(idx::btnDrehschwebung);
    warteBisFrei(*w);
    EXPECT_TRUE(sichtbar(ansicht(*w).frmAlle[3]));
    EXPECT_TRUE(ansicht(*w).frmAlle[0]->isHidden());
    EXPECT_FALSE(ansicht(*w).chkAlle[idx::chkDrehImmer]->isChecked());

    messen(*w).timer(3).start();
    ansicht(*w).txtAlle[38]->setText(QStringLiteral("G1"));
    ansicht(*w).picGrafik[0]->show();
    ansicht(*w).mnuProgrammItem[4]->setEnabled(true);
    w->btnAlle_Click(idx::btnDrehZurueck);
    warteBisFrei(*w);
    EXPECT_FALSE(messen(*w).timer(3).isActive());
    EXPECT_TRUE(ansicht(*w).txtAlle[38]->text().isEmpty());
    EXPECT_TRUE(ansicht(*w).picGrafik[0]->isHidden());
    EXPECT_TRUE(ansicht(*w).frmAlle[3]->isHidden());
    EXPECT_FALSE(ansicht(*w).mnuProgrammItem[4]->isEnabled());
    homeErwartet(*w);
}

TEST_F(DispatcherTest, CurrentValuesPageSwitchesContinuousReadingOnAndItsBackStopsThePoll) {
    auto w = starteUndAktiviere();
    w->btnAlle_Click(idx::btnAktuell);
    warteBisFrei(*w);
    EXPECT_TRUE(sichtbar(ansicht(*w).frmAlle[5]));
    EXPECT_TRUE(ansicht(*w).chkAlle[idx::chkAktuellImmer]->isChecked());

    messen(*w).timer(1).start();
    ansicht(*w).btnAlle[20]->show();
    ansicht(*w).picGrafik[2]->show();
    w->btnAlle_Click(idx::btnAktuellZurueck);
    warteBisFrei(*w);
    EXPECT_FALSE(messen(*w).timer(1).isActive());
    EXPECT_TRUE(ansicht(*w).btnAlle[20]->isHidden());
    EXPECT_TRUE(ansicht(*w).picGrafik[2]->isHidden());
    EXPECT_TRUE(ansicht(*w).frmAlle[5]->isHidden());
    homeErwartet(*w);

    // Entering again with the box still checked keeps it checked.
    w->btnAlle_Click(idx::btnAktuell);
    warteBisFrei(*w);
    EXPECT_TRUE(ansicht(*w).chkAlle[idx::chkAktuellImmer]->isChecked());
}

TEST_F(DispatcherTest, BadPulsePageAndItsBackHidesTheWaitPanel) {
    auto w = starteUndAktiviere(); // connected: the page's measurement starts
    w->btnAlle_Click(idx::btnSchlechtimpulse);
    warteBisFrei(*w);
    EXPECT_TRUE(sichtbar(ansicht(*w).frmAlle[4]));
    ansicht(*w).HinweisZeigen(true, QStringLiteral("Messung wird durchgeführt."));
    messen(*w).timer(2).start();
    ansicht(*w).picGrafik[1]->show();
    w->btnAlle_Click(idx::btnSchlechtZurueck);
    warteBisFrei(*w);
    EXPECT_TRUE(ansicht(*w).frmAlle[10]->isHidden());
    EXPECT_FALSE(ansicht(*w).tmrBalken.isActive());
    EXPECT_TRUE(messen(*w).timer(2).isActive()) << "the poll ends at its own next tick";
    EXPECT_TRUE(ansicht(*w).picGrafik[1]->isHidden());
    EXPECT_TRUE(ansicht(*w).frmAlle[4]->isHidden());
    homeErwartet(*w);
}

TEST_F(DispatcherTest, CloseHidesTheConnectionPanelAndClearsItsMessage) {
    neuesGeraet(ohneWandler());
    auto w = starteUndAktiviere();
    ASSERT_TRUE(sichtbar(ansicht(*w).frmAlle[8]));
    ASSERT_TRUE(ansicht(*w).tmrFarben.isActive());
    w->btnAlle_Click(idx::btnSchliessen);
    warteBisFrei(*w);
    EXPECT_TRUE(ansicht(*w).frmAlle[8]->isHidden());
    EXPECT_TRUE(ansicht(*w).btnAlle[15]->isHidden());
    EXPECT_TRUE(ansicht(*w).labAlle[43]->text().isEmpty());
    EXPECT_FALSE(ansicht(*w).tmrFarben.isActive());
    EXPECT_FALSE(ansicht(*w).mnuProgrammItem[4]->isEnabled());
    EXPECT_TRUE(sichtbar(ansicht(*w).frmAlle[9])) << "the connect frame stays";
}

TEST_F(DispatcherTest, ConnectButtonHidesAnOpenPanelAndConnects) {
    neuesGeraet(ohneWandler());
    auto w = starteUndAktiviere();
    ASSERT_FALSE(sitzung(*w).verbunden());
    geraet().scenario().noConverter = false;
    w->btnAlle_Click(idx::btnVerbindungAufbauen);
    warteBisFrei(*w);
    EXPECT_TRUE(sitzung(*w).verbunden());
    EXPECT_TRUE(ansicht(*w).frmAlle[8]->isHidden());
    EXPECT_TRUE(ansicht(*w).frmAlle[9]->isHidden());
    EXPECT_TRUE(ansicht(*w).btnAlle[idx::btnAktuell]->isEnabled());
}

TEST_F(DispatcherTest, TheTrackErrorButtonHidesItself) {
    offlineStart();
    auto w = starte();
    ansicht(*w).btnAlle[20]->show();
    w->btnAlle_Click(idx::btnSpurfehler);
    warteBisFrei(*w);
    EXPECT_TRUE(ansicht(*w).btnAlle[20]->isHidden());
}

TEST_F(DispatcherTest, SaveButtonsWithoutDataAndIndexesOutsideTheArrayDoNothing) {
    auto w = starteUndAktiviere();
    w->btnAlle_Click(idx::btnAktuell);
    warteBisFrei(*w);
    const QStringList vorher = zustand(*w);
    for (int i : {-1, 21, 100, idx::btnDrehSpeichern, idx::btnSchlechtSpeichern, idx::btnAktuellSpeichern,
                  idx::btnGeraetSpeichern}) {
        w->btnAlle_Click(i);
        warteBisFrei(*w);
        EXPECT_EQ(zustand(*w), vorher) << i;
    }
    EXPECT_TRUE(dialoge_.aufrufe().empty());
}

TEST_F(DispatcherTest, FarbenAndHilfeCannotBeChosen) {
    offlineStart();
    auto w = starte();
    EXPECT_FALSE(ansicht(*w).mnuEinstItem[4]->isEnabled());
    EXPECT_FALSE(ansicht(*w).mnuHilfeItem[1]->isEnabled());
    EXPECT_TRUE(ansicht(*w).mnuHilfeItem[2]->isSeparator());
    EXPECT_TRUE(ansicht(*w).mnuProgrammItem[3]->isSeparator());
    EXPECT_TRUE(ansicht(*w).mnuProgrammItem[6]->isSeparator());
}

} // namespace
} // namespace kav::test
