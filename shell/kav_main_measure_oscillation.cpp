// Rotational oscillation (type 3, page "Drehschwebung"): start, poll tick,
// display with the chart, clear; the chart's axes.
#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "chart_box.h"
#include "chart_layout.h"
#include "control_indexes.h"
#include "dialogs.h"
#include "display_rules.h"
#include "globals.h"
#include "kav_main.h"
#include "kav_main_measure.h"
#include "measurement_cycle.h"

namespace kav::shell {

using namespace messung;

void KAV_Main::DateiTyp3Live() { messungStarten(3); }

void KAV_Main::tmrDateiTyp3_Timer() {
    tmrDateiTyp3.stop();
    pollAuswerten(3, messTick(3));
}

bool KAV_Main::GrafikZeichnen(measure::ChartBox& Box, int Xmin, int Ymin, int Xmax, int Ymax,
                              std::optional<double> XSchritt, std::optional<double> YSchritt) {
    const QSizeF einheiten = Box.boxEinheiten();
    const measure::ChartLayout layout =
        measure::GrafikZeichnen(einheiten.width(), einheiten.height(), {Xmin, Ymin, Xmax, Ymax, XSchritt, YSchritt},
                                global().MathAn, DrehschwebungLive.Impulszahl, uebersetzer());
    if (!layout.ok()) {
        dialoge().meldung(q(layout.fehlermeldung));
        return false;
    }
    Box.achsenZeichnen(layout);
    return true;
}

bool KAV_Main::DrehschwebungGrafik(std::int16_t Wert1, std::int16_t Wert2) {
    chartBox_->leeren();
    const measure::ChartRange r =
        measure::drehschwebungBereich(Wert1, Wert2, global().MathAn, DrehschwebungLive.Impulszahl);
    return GrafikZeichnen(*chartBox_, r.xmin, r.ymin, r.xmax, r.ymax, r.xSchritt, r.ySchritt);
}

void KAV_Main::DateiTyp3Anzeigen() {
    if (!(seiteSichtbar(idx::frmDrehschwebung) || seiteSichtbar(idx::frmDatenVomGeraet) ||
          seiteSichtbar(idx::frmDatenVomComputer)))
        return;
    const measure::OscillationDisplay d = measure::oscillationDisplay(DrehschwebungLive, trenner(), uebersetzer());
    if (!d.anzeigen)
        return;
    const bool achsen = DrehschwebungGrafik(DrehschwebungLive.MaxWert, DrehschwebungLive.MinWert);
    txtAlle[idx::txtDrehImpulszahl]->setText(q(d.impulszahl));
    txtAlle[idx::txtDrehDrehzahl]->setText(q(d.drehzahl));
    txtAlle[idx::txtDrehFrequenz]->setText(q(d.frequenz));
    txtAlle[idx::txtDrehUmdrehungen]->setText(q(d.umdrehungen));
    txtAlle[idx::txtDrehMin]->setText(q(d.minWert));
    txtAlle[idx::txtDrehMax]->setText(q(d.maxWert));
    // Only the samples Messdaten really holds, however many the count claims.
    if (achsen)
        chartBox_->punkteZeichnen(measure::messwerte(DrehschwebungLive));

    btnAlle[idx::btnDrehSpeichern]->setEnabled(!chkAlle[idx::chkDrehImmer]->isChecked());
    picGrafik[idx::picDrehschwebung]->show();
    druckenNachAnzeige(idx::frmDrehschwebung, idx::chkDrehImmer);
    liveAnzeigerSetzen(idx::shpDrehLive, idx::chkDrehImmer);
    DrehschwebungGespeichert = DrehschwebungLive;
}

void KAV_Main::DateiTyp3Loeschen() {
    DrehschwebungGespeichert = {};
    for (int t = idx::txtDrehFrequenz; t <= idx::txtDrehUmdrehungen; ++t)
        txtAlle[static_cast<std::size_t>(t)]->clear();
}

} // namespace kav::shell
