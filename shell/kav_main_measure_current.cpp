// Current values (type 1, page "Aktuell"): start, poll tick, display, clear.
#include <QAction>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "control_indexes.h"
#include "display_rules.h"
#include "kav_main.h"
#include "kav_main_measure.h"
#include "measurement_cycle.h"

namespace kav::shell {

using namespace messung;

void KAV_Main::DateiTyp1Live() { messungStarten(1); }

void KAV_Main::tmrDateiTyp1_Timer() {
    tmrDateiTyp1.stop();
    pollAuswerten(1, messTick(1));
}

void KAV_Main::TachoSkalaZuruecksetzen() {
    if (ocxTacho && ocxTacho->property("MaxAnzahl").toInt() != 6000)
        ocxTacho->setProperty("MaxAnzahl", kurz(6000));
}

void KAV_Main::DateiTyp1Anzeigen() {
    if (!(seiteSichtbar(idx::frmAktuell) || seiteSichtbar(idx::frmDatenVomGeraet) ||
          seiteSichtbar(idx::frmDatenVomComputer)))
        return;
    const measure::CurrentValuesDisplay d = measure::currentValuesDisplay(AktuellLive, trenner(), uebersetzer());
    if (!d.anzeigen)
        return; // no pulse number: the page and the saved copy stay as they are

    TachoSkalaZuruecksetzen();
    txtAlle[idx::txtImpulszahl]->setText(q(d.impulszahl));
    txtAlle[idx::txtDrehzahl]->setText(q(d.drehzahl));
    if (ocxTacho) {
        // The scale is only raised within one display; the needle after it,
        // as the gauge refuses a value above its scale.
        if (d.maxAnzahl > ocxTacho->property("MaxAnzahl").toInt())
            ocxTacho->setProperty("MaxAnzahl", kurz(d.maxAnzahl));
        ocxTacho->setProperty("AktuellAnzahl", kurz(d.aktuellAnzahl));
        ocxTacho->setProperty("BenutzerText", q(d.benutzerText));
    }
    txtAlle[idx::txtFrequenz]->setText(q(d.frequenz));

    struct Prozent {
        QWidget* anzeige;
        int zuHoch, nichtDa;
        const measure::PercentDisplay& wert;
    };
    const Prozent prozente[] = {
        {ocxSym0, idx::labSym0ZuHoch, idx::labSym0NichtVerfuegbar, d.symmetrie0},
        {ocxSym90, idx::labSym90ZuHoch, idx::labSym90NichtVerfuegbar, d.symmetrie90},
        {ocxPhl, idx::labPhlZuHoch, idx::labPhlNichtVerfuegbar, d.phasenlage},
    };
    for (const Prozent& p : prozente) {
        setzen(p.anzeige, "iValue", static_cast<float>(p.wert.iValue));
        if (p.wert.frequenzZuHoch)
            labAlle[static_cast<std::size_t>(p.zuHoch)]->setVisible(*p.wert.frequenzZuHoch);
        if (p.wert.nichtVerfuegbar)
            labAlle[static_cast<std::size_t>(p.nichtDa)]->setVisible(*p.wert.nichtVerfuegbar);
    }

    txtAlle[idx::txtVersorgung]->setText(q(d.versorgungsspannung));
    txtAlle[idx::txtStrom]->setText(q(d.stromaufnahme));
    // A later result without a track error leaves the button; only clearing the page hides it.
    if (d.spurfehlerZeigen)
        btnAlle[idx::btnSpurfehler]->show();
    if (d.spurfehlerText)
        btnAlle[idx::btnSpurfehler]->setText(q(*d.spurfehlerText));

    picGrafik[idx::picAktuell]->show();
    druckenNachAnzeige(idx::frmAktuell, idx::chkAktuellImmer);
    liveAnzeigerSetzen(idx::shpAktuellLive, idx::chkAktuellImmer);
    AktuellGespeichert = AktuellLive;
}

void KAV_Main::DateiTyp1Loeschen() {
    AktuellGespeichert = {};
    for (int t = idx::txtImpulszahl; t <= idx::txtStrom; ++t)
        txtAlle[static_cast<std::size_t>(t)]->clear();
    for (QWidget* anzeige : {ocxPhl, ocxSym0, ocxSym90})
        setzen(anzeige, "iValue", 0.0f);
    TachoSkalaZuruecksetzen();
    setzen(ocxTacho, "AktuellAnzahl", kurz(0));
    // An "ERROR" or a note of an earlier result must not stand beside the cleared values.
    setzen(ocxTacho, "BenutzerText", QString());
    for (int l : {idx::labSym0ZuHoch, idx::labSym90ZuHoch, idx::labPhlZuHoch, idx::labSym0NichtVerfuegbar,
                  idx::labSym90NichtVerfuegbar, idx::labPhlNichtVerfuegbar})
        labAlle[static_cast<std::size_t>(l)]->hide();
    btnAlle[idx::btnSpurfehler]->hide();
}

} // namespace kav::shell
