// The one click handler of the button array btnAlle: navigation between the
// home frames and the work panels, and the actions of the panels.
#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "control_indexes.h"
#include "kav_main.h"

namespace kav::shell {

namespace {

void zeigen(QWidget* w, bool sichtbar) { w->setVisible(sichtbar); }

} // namespace

void KAV_Main::btnAlle_Click(int index) {
    auto frame = [this](int i) { return frmAlle[static_cast<std::size_t>(i)]; };
    auto bild = [this](int i) { return picGrafik[static_cast<std::size_t>(i)]; };
    auto knopf = [this](int i) { return btnAlle[static_cast<std::size_t>(i)]; };
    auto text = [this](int i) { return txtAlle[static_cast<std::size_t>(i)]; };
    auto homeVerlassen = [&] {
        for (int f : {0, 1, 2})
            zeigen(frame(f), false);
    };
    auto druckenAus = [this] { mnuProgrammItem[4]->setEnabled(false); };
    auto pumpen = [] { QCoreApplication::processEvents(); };
    // Rows 12 and 14 share their first part.
    auto gespeichertZurueck = [&] {
        druckenAus();
        pumpen();
        text(idx::txtGeberSN)->clear();
        for (int p : {0, 1, 2})
            zeigen(bild(p), false);
        zeigen(knopf(idx::btnSpurfehler), false);
        text(idx::txtGeraetSN)->setText(GeraetSN);
        text(idx::txtFirmware)->setText(GeraetFW);
        text(idx::txtDatum)->clear();
        text(idx::txtName)->clear();
    };

    switch (index) {
    case idx::btnDrehschwebung:
        homeVerlassen();
        messSeiteZeigen(3, true);
        DateiTyp3Loeschen();
        if (chkAlle[idx::chkDrehImmer]->isChecked())
            chkAlle[idx::chkDrehImmer]->setChecked(false);
        DateiTyp3Live();
        break;
    case idx::btnSchlechtimpulse:
        homeVerlassen();
        messSeiteZeigen(2, true);
        DateiTyp2Loeschen();
        DateiTyp2Live();
        break;
    case idx::btnAktuell:
        homeVerlassen();
        messSeiteZeigen(1, true);
        DateiTyp1Loeschen();
        if (!chkAlle[idx::chkAktuellImmer]->isChecked())
            chkAlle[idx::chkAktuellImmer]->setChecked(true);
        else
            DateiTyp1Live();
        if (ocxTacho)
            ocxTacho->setProperty("MaxAnzahl", QVariant::fromValue<qint16>(6000));
        break;
    case idx::btnDatenVomGeraet:
        homeVerlassen();
        knopf(idx::btnGeraetSpeichern)->setEnabled(false);
        zeigen(frame(idx::frmDatenVomGeraet), true);
        GeraetSN = text(idx::txtGeraetSN)->text();
        GeraetFW = text(idx::txtFirmware)->text();
        DatenVomG();
        break;
    case idx::btnDatenVomComputer:
        VerbindungsInfoZeigen(false);
        zeigen(frame(idx::frmVerbindung), false);
        homeVerlassen();
        knopf(idx::btnOeffnen)->setEnabled(false);
        zeigen(frame(idx::frmDatenVomComputer), true);
        GeraetSN = text(idx::txtGeraetSN)->text();
        GeraetFW = text(idx::txtFirmware)->text();
        LaufwerkSetzen();
        break;
    case idx::btnDrehWerteLesen: DateiTyp3Live(); break;
    case idx::btnDrehZurueck:
        druckenAus();
        tmrDateiTyp3.stop();
        pumpen();
        Beschaeftigt = false;
        text(idx::txtGeberSN)->clear();
        zeigen(bild(idx::picDrehschwebung), false);
        homeLayout();
        messSeiteZeigen(3, false);
        break;
    case idx::btnSchlechtWerteLesen: DateiTyp2Live(); break;
    case idx::btnSchlechtZurueck:
        druckenAus();
        pumpen();
        text(idx::txtGeberSN)->clear();
        zeigen(bild(idx::picSchlechtimpulse), false);
        homeLayout();
        messSeiteZeigen(2, false);
        HinweisZeigen(false, QStringLiteral("Bitte warten Sie."));
        break;
    case idx::btnAktuellWerteLesen: DateiTyp1Live(); break;
    case idx::btnAktuellZurueck:
        druckenAus();
        tmrDateiTyp1.stop();
        pumpen();
        text(idx::txtGeberSN)->clear();
        zeigen(bild(idx::picAktuell), false);
        zeigen(knopf(idx::btnSpurfehler), false);
        homeLayout();
        messSeiteZeigen(1, false);
        break;
    case idx::btnGeraetSpeichern:
        if (AktDateiTyp > 0)
            GeraeteDatenSpeichern(AktDateiTyp, KopfText);
        break;
    case idx::btnGeraetZurueck:
        gespeichertZurueck();
        homeLayout();
        zeigen(frame(idx::frmDatenVomGeraet), false);
        break;
    case idx::btnOeffnen: DateiOeffnen(); break;
    case idx::btnComputerZurueck:
        gespeichertZurueck();
        if (Verbunden) {
            zeigen(frame(idx::frmOnline), true);
            zeigen(frame(idx::frmGeraetHome), true);
        } else {
            zeigen(frame(idx::frmVerbindung), true);
        }
        zeigen(frame(idx::frmComputerHome), true);
        zeigen(frame(idx::frmDatenVomComputer), false);
        break;
    case idx::btnSchliessen:
        druckenAus();
        VerbindungsInfoZeigen(false);
        zeigen(knopf(idx::btnSchliessen), false);
        labAlle[idx::labVerbindungMeldung]->clear();
        break;
    case idx::btnVerbindungAufbauen:
        if (!frame(idx::frmVerbindungsInfo)->isHidden())
            VerbindungsInfoZeigen(false);
        VerbindungAufbauen();
        break;
    case idx::btnDrehSpeichern:
        if (gespeicherteAnzahl(3) > 0)
            OnlineDatenSpeichern(3);
        break;
    case idx::btnSchlechtSpeichern:
        if (gespeicherteAnzahl(2) > 0)
            OnlineDatenSpeichern(2);
        break;
    case idx::btnAktuellSpeichern:
        if (gespeicherteAnzahl(1) > 0)
            OnlineDatenSpeichern(1);
        break;
    case idx::btnSpurfehler: zeigen(knopf(idx::btnSpurfehler), false); break;
    default: break;
    }
}

} // namespace kav::shell
