// The button array's actions: navigation between the home frames and the
// work panels, and the actions of the panels, one table row per button.
#include "navigation.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVariant>

#include "connection_controller.h"
#include "control_indexes.h"
#include "main_view.h"
#include "measurement_controller.h"
#include "records_controller.h"
#include "session.h"

namespace kav::shell {

namespace {
std::size_t u(int i) { return static_cast<std::size_t>(i); }
} // namespace

struct Navigation::Aktion {
    int knopf;
    void (*ausfuehren)(Navigation&);
};

const Navigation::Aktion Navigation::kAktionen[] = {
    {idx::btnDrehschwebung, [](Navigation& n) { n.messseiteOeffnen(3); }},
    {idx::btnSchlechtimpulse, [](Navigation& n) { n.messseiteOeffnen(2); }},
    {idx::btnAktuell, [](Navigation& n) { n.messseiteOeffnen(1); }},
    {idx::btnDatenVomGeraet,
     [](Navigation& n) {
         n.homeVerlassen();
         n.t_.v.btnAlle[idx::btnGeraetSpeichern]->setEnabled(false);
         n.seiteOeffnen(idx::frmDatenVomGeraet, static_cast<int>(session::Seite::DatenVomGeraet));
         n.t_.daten->DatenVomG();
     }},
    {idx::btnDatenVomComputer,
     [](Navigation& n) {
         n.t_.v.VerbindungsInfoZeigen(false);
         n.t_.v.zeigen(idx::frmVerbindung, false);
         n.homeVerlassen();
         n.t_.v.btnAlle[idx::btnOeffnen]->setEnabled(false);
         n.seiteOeffnen(idx::frmDatenVomComputer, static_cast<int>(session::Seite::DatenVomComputer));
         n.t_.daten->LaufwerkSetzen();
     }},
    {idx::btnDrehWerteLesen, [](Navigation& n) { n.t_.messung->starten(3); }},
    {idx::btnSchlechtWerteLesen, [](Navigation& n) { n.t_.messung->starten(2); }},
    {idx::btnAktuellWerteLesen, [](Navigation& n) { n.t_.messung->starten(1); }},
    {idx::btnDrehZurueck, [](Navigation& n) { n.messseiteVerlassen(3, idx::picDrehschwebung); }},
    {idx::btnSchlechtZurueck,
     [](Navigation& n) {
         n.messseiteVerlassen(2, idx::picSchlechtimpulse);
         n.t_.v.HinweisZeigen(false, QStringLiteral("Bitte warten Sie."));
     }},
    {idx::btnAktuellZurueck,
     [](Navigation& n) {
         n.t_.v.btnAlle[idx::btnSpurfehler]->hide();
         n.messseiteVerlassen(1, idx::picAktuell);
     }},
    {idx::btnGeraetSpeichern,
     [](Navigation& n) {
         if (n.t_.daten->aktDateiTyp() > 0)
             n.t_.daten->GeraeteDatenSpeichern(n.t_.daten->aktDateiTyp());
     }},
    {idx::btnGeraetZurueck,
     [](Navigation& n) {
         n.t_.daten->geraetSeiteVerlassen();
         n.gespeichertZurueck();
         n.t_.verbindung->homeLayout();
         n.t_.v.zeigen(idx::frmDatenVomGeraet, false);
         n.t_.session.setSeite(session::Seite::Start);
     }},
    {idx::btnOeffnen, [](Navigation& n) { n.t_.daten->DateiOeffnen(); }},
    {idx::btnComputerZurueck,
     [](Navigation& n) {
         n.gespeichertZurueck();
         const bool verbunden = n.t_.session.verbunden();
         if (verbunden) {
             n.t_.v.zeigen(idx::frmOnline, true);
             n.t_.v.zeigen(idx::frmGeraetHome, true);
         } else {
             n.t_.v.zeigen(idx::frmVerbindung, true);
         }
         n.t_.v.zeigen(idx::frmComputerHome, true);
         n.t_.v.zeigen(idx::frmDatenVomComputer, false);
         n.t_.session.setSeite(verbunden ? session::Seite::Start : session::Seite::Verbindung);
     }},
    {idx::btnSchliessen,
     [](Navigation& n) {
         n.t_.session.anzeigeLeeren();
         n.t_.v.VerbindungsInfoZeigen(false);
         n.t_.v.btnAlle[idx::btnSchliessen]->hide();
         n.t_.v.labAlle[idx::labVerbindungMeldung]->clear();
     }},
    {idx::btnVerbindungAufbauen,
     [](Navigation& n) {
         if (n.t_.v.seiteSichtbar(idx::frmVerbindungsInfo))
             n.t_.v.VerbindungsInfoZeigen(false);
         n.t_.verbindung->VerbindungAufbauen();
     }},
    {idx::btnDrehSpeichern, [](Navigation& n) { n.speichern(3); }},
    {idx::btnSchlechtSpeichern, [](Navigation& n) { n.speichern(2); }},
    {idx::btnAktuellSpeichern, [](Navigation& n) { n.speichern(1); }},
    {idx::btnSpurfehler, [](Navigation& n) { n.t_.v.btnAlle[idx::btnSpurfehler]->hide(); }},
};

Navigation::Navigation(Fensterteile& t) : t_(t) {}

void Navigation::klick(int index) {
    for (const Aktion& a : kAktionen)
        if (a.knopf == index) {
            a.ausfuehren(*this);
            return;
        }
}

void Navigation::homeVerlassen() {
    for (int f : {0, 1, 2})
        t_.v.zeigen(f, false);
}

void Navigation::seiteOeffnen(int frame, int seite) {
    t_.v.zeigen(frame, true);
    t_.session.setSeite(static_cast<session::Seite>(seite));
    t_.daten->GeraetSN = t_.v.txtAlle[idx::txtGeraetSN]->text();
    t_.daten->GeraetFW = t_.v.txtAlle[idx::txtFirmware]->text();
}

// A measurement page: the home frames go, the page is cleared and its
// measurement starts (current values by switching continuous reading on).
void Navigation::messseiteOeffnen(int typ) {
    homeVerlassen();
    t_.session.setSeite(session::messSeite(typ));
    t_.messung->seiteZeigen(typ, true);
    t_.messung->loeschen(typ);
    QCheckBox* immer = typ == 1   ? t_.v.chkAlle[idx::chkAktuellImmer]
                       : typ == 3 ? t_.v.chkAlle[idx::chkDrehImmer]
                                  : nullptr;
    if (typ == 1) {
        if (!immer->isChecked())
            immer->setChecked(true);
        else
            t_.messung->starten(1);
        if (t_.v.ocxTacho)
            t_.v.ocxTacho->setProperty("MaxAnzahl", QVariant::fromValue<qint16>(6000));
        return;
    }
    if (immer && immer->isChecked())
        immer->setChecked(false);
    t_.messung->starten(typ);
}

// Back home from a measurement page: its timer stops and its measurement is
// cancelled; a result that arrives later is dropped without a word.
void Navigation::messseiteVerlassen(int typ, int bild) {
    // The bad pulses' poll ends at its own next tick, as the cancelled
    // measurement drops it.
    if (typ != 2)
        t_.messung->timer(typ).stop();
    t_.v.txtAlle[idx::txtGeberSN]->clear();
    t_.v.picGrafik[u(bild)]->hide();
    t_.verbindung->homeLayout();
    t_.messung->seiteZeigen(typ, false);
    t_.session.setSeite(session::Seite::Start);
}

// Back from a page of stored records: the identity shown before it comes back.
void Navigation::gespeichertZurueck() {
    MainView& v = t_.v;
    v.txtAlle[idx::txtGeberSN]->clear();
    for (int p : {0, 1, 2})
        v.picGrafik[u(p)]->hide();
    v.btnAlle[idx::btnSpurfehler]->hide();
    v.txtAlle[idx::txtGeraetSN]->setText(t_.daten->GeraetSN);
    v.txtAlle[idx::txtFirmware]->setText(t_.daten->GeraetFW);
    v.txtAlle[idx::txtDatum]->clear();
    v.txtAlle[idx::txtName]->clear();
}

// "Daten speichern" saves only a saved copy that holds data.
void Navigation::speichern(int typ) {
    if (t_.session.gespeichertHatDaten(typ))
        t_.daten->OnlineDatenSpeichern(typ);
}

} // namespace kav::shell
