// The three result panels: how a record of each type is shown on its panel
// (and on the two pages of stored records), how the panel is cleared, and the
// oscillation chart's axes.
#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "chart_box.h"
#include "chart_layout.h"
#include "control_indexes.h"
#include "decimal_separator.h"
#include "dialogs.h"
#include "display_rules.h"
#include "globals.h"
#include "language.h"
#include "main_view.h"
#include "measurement_controller.h"
#include "panel_values.h"
#include "session.h"
#include "vb_colors.h"

namespace kav::shell {

namespace messung {
measure::Translator uebersetzer() {
    return [](const std::string& deutsch) { return SprachText(QString::fromStdString(deutsch)).toStdString(); };
}
std::string trenner() { return measure::systemDezimalTrenner(); }
} // namespace messung

using namespace messung;

namespace {

// The ring's own colour for a group of text boxes (0 without the ring).
std::uint32_t ringFarbe(const QWidget* ring, const char* name) { return ring ? ring->property(name).toUInt() : 0; }

} // namespace

void MeasurementController::TachoSkalaZuruecksetzen() {
    if (t_.v.ocxTacho && t_.v.ocxTacho->property("MaxAnzahl").toInt() != 6000)
        t_.v.ocxTacho->setProperty("MaxAnzahl", kurz(6000));
}

bool MeasurementController::aktuellZeigen(const measure::AktuellWerte& w) {
    if (!(t_.v.seiteSichtbar(idx::frmAktuell) || t_.v.seiteSichtbar(idx::frmDatenVomGeraet) ||
          t_.v.seiteSichtbar(idx::frmDatenVomComputer)))
        return false;
    const measure::CurrentValuesDisplay d = measure::currentValuesDisplay(w, trenner(), uebersetzer());
    if (!d.anzeigen)
        return false; // no pulse number: the page and the saved copy stay as they are

    TachoSkalaZuruecksetzen();
    t_.v.txtAlle[idx::txtImpulszahl]->setText(q(d.impulszahl));
    t_.v.txtAlle[idx::txtDrehzahl]->setText(q(d.drehzahl));
    if (t_.v.ocxTacho) {
        // The scale is only raised within one display; the needle after it,
        // as the gauge refuses a value above its scale.
        if (d.maxAnzahl > t_.v.ocxTacho->property("MaxAnzahl").toInt())
            t_.v.ocxTacho->setProperty("MaxAnzahl", kurz(d.maxAnzahl));
        t_.v.ocxTacho->setProperty("AktuellAnzahl", kurz(d.aktuellAnzahl));
        t_.v.ocxTacho->setProperty("BenutzerText", q(d.benutzerText));
    }
    t_.v.txtAlle[idx::txtFrequenz]->setText(q(d.frequenz));

    struct Prozent {
        QWidget* anzeige;
        int zuHoch, nichtDa;
        const measure::PercentDisplay& wert;
    };
    const Prozent prozente[] = {
        {t_.v.ocxSym0, idx::labSym0ZuHoch, idx::labSym0NichtVerfuegbar, d.symmetrie0},
        {t_.v.ocxSym90, idx::labSym90ZuHoch, idx::labSym90NichtVerfuegbar, d.symmetrie90},
        {t_.v.ocxPhl, idx::labPhlZuHoch, idx::labPhlNichtVerfuegbar, d.phasenlage},
    };
    for (const Prozent& p : prozente) {
        setzen(p.anzeige, "iValue", static_cast<float>(p.wert.iValue));
        if (p.wert.frequenzZuHoch)
            t_.v.labAlle[static_cast<std::size_t>(p.zuHoch)]->setVisible(*p.wert.frequenzZuHoch);
        if (p.wert.nichtVerfuegbar)
            t_.v.labAlle[static_cast<std::size_t>(p.nichtDa)]->setVisible(*p.wert.nichtVerfuegbar);
    }

    t_.v.txtAlle[idx::txtVersorgung]->setText(q(d.versorgungsspannung));
    t_.v.txtAlle[idx::txtStrom]->setText(q(d.stromaufnahme));
    // A later result without a track error leaves the button; only clearing the page hides it.
    if (d.spurfehlerZeigen)
        t_.v.btnAlle[idx::btnSpurfehler]->show();
    if (d.spurfehlerText)
        t_.v.btnAlle[idx::btnSpurfehler]->setText(q(*d.spurfehlerText));

    t_.v.picGrafik[idx::picAktuell]->show();
    return true;
}

void MeasurementController::aktuellLeeren() {
    for (int t = idx::txtImpulszahl; t <= idx::txtStrom; ++t)
        t_.v.txtAlle[static_cast<std::size_t>(t)]->clear();
    for (QWidget* anzeige : {t_.v.ocxPhl, t_.v.ocxSym0, t_.v.ocxSym90})
        setzen(anzeige, "iValue", 0.0f);
    TachoSkalaZuruecksetzen();
    setzen(t_.v.ocxTacho, "AktuellAnzahl", kurz(0));
    // An "ERROR" or a note of an earlier result must not stand beside the cleared values.
    setzen(t_.v.ocxTacho, "BenutzerText", QString());
    for (int l : {idx::labSym0ZuHoch, idx::labSym90ZuHoch, idx::labPhlZuHoch, idx::labSym0NichtVerfuegbar,
                  idx::labSym90NichtVerfuegbar, idx::labPhlNichtVerfuegbar})
        t_.v.labAlle[static_cast<std::size_t>(l)]->hide();
    t_.v.btnAlle[idx::btnSpurfehler]->hide();
}

bool MeasurementController::schlechtimpulseZeigen(const measure::SchlechtimpulsWerte& w) {
    const measure::BadPulseDisplay d = measure::badPulseDisplay(w, trenner(), uebersetzer());
    if (!d.anzeigen)
        return false;
    QWidget* ring = t_.v.ocxBadInc1;
    setzen(ring, "ImpulsZahl", kurz(d.impulsZahl));

    struct Feld {
        int text;
        const char* eigenschaft;
        const char* farbe;
        int wert;
        const std::string& anzeige;
    };
    const Feld felder[] = {
        {idx::txtPosMaxPositiv, "PosMax", "MaxFarbe", d.posMax, d.posMaxPositiv},
        {idx::txtMaxPositiv, "Max", "MaxFarbe", d.max, d.maxPositiv},
        {idx::txtPosMaxNegativ, "PosMin", "MinFarbe", d.posMin, d.posMaxNegativ},
        {idx::txtMaxNegativ, "Min", "MinFarbe", d.min, d.maxNegativ},
    };
    for (const Feld& f : felder) {
        setzen(ring, f.eigenschaft, kurz(f.wert));
        QLineEdit* t = t_.v.txtAlle[static_cast<std::size_t>(f.text)];
        setForeColor(t, ringFarbe(ring, f.farbe));
        t->setText(q(f.anzeige));
    }

    // The list: entries at the place of both maxima (nothing found) are skipped and keep what they showed.
    const std::uint32_t listenFarbe = ringFarbe(ring, "PosMaxFarbe");
    for (std::size_t n = 0; n < d.eintraege.size(); ++n) {
        const measure::BadPulseEntry& e = d.eintraege[n];
        if (!e.setzen)
            continue;
        const QByteArray nummer = QByteArray::number(static_cast<int>(n) + 1);
        setzen(ring, QByteArray("PosMin" + nummer).constData(), kurz(e.position));
        setzen(ring, QByteArray("Min" + nummer).constData(), kurz(e.abweichung));
        const int box = idx::txtListeErste + 2 * static_cast<int>(n);
        for (const auto& [index, text] : {std::pair{box, &e.positionText}, std::pair{box + 1, &e.abweichungText}}) {
            QLineEdit* t = t_.v.txtAlle[static_cast<std::size_t>(index)];
            setForeColor(t, listenFarbe);
            t->setText(q(*text));
        }
    }

    t_.v.txtAlle[idx::txtSchlechtImpulszahl]->setText(q(d.impulszahl));
    t_.v.txtAlle[idx::txtSchlechtDrehzahl]->setText(q(d.drehzahl));
    t_.v.txtAlle[idx::txtSchlechtFrequenz]->setText(q(d.frequenz));
    t_.v.txtAlle[idx::txtAnzahlAbweichungen]->setText(q(d.anzahlAbweichungen));
    t_.v.picGrafik[idx::picSchlechtimpulse]->show();
    return true;
}

void MeasurementController::schlechtimpulseLeeren() {
    for (const char* name : {"PosMax", "Max", "PosMin", "Min"})
        setzen(t_.v.ocxBadInc1, name, kurz(0));
    for (int n = 1; n <= 5; ++n)
        for (const char* name : {"Max", "PosMax", "Min", "PosMin"})
            setzen(t_.v.ocxBadInc1, QByteArray(name + QByteArray::number(n)).constData(), kurz(0));
    for (int t = idx::txtPosMaxPositiv; t <= idx::txtSchlechtImpulszahl; ++t)
        t_.v.txtAlle[static_cast<std::size_t>(t)]->clear();
    t_.v.txtAlle[idx::txtAnzahlAbweichungen]->clear();
}

bool MeasurementController::GrafikZeichnen(measure::ChartBox& Box, int Xmin, int Ymin, int Xmax, int Ymax,
                                           int impulszahl, std::optional<double> XSchritt,
                                           std::optional<double> YSchritt) {
    const QSizeF einheiten = Box.boxEinheiten();
    const measure::ChartLayout layout =
        measure::GrafikZeichnen(einheiten.width(), einheiten.height(), {Xmin, Ymin, Xmax, Ymax, XSchritt, YSchritt},
                                global().MathAn, impulszahl, uebersetzer());
    if (!layout.ok()) {
        dialoge().meldung(q(layout.fehlermeldung));
        return false;
    }
    Box.achsenZeichnen(layout);
    return true;
}

bool MeasurementController::DrehschwebungGrafik(std::int16_t Wert1, std::int16_t Wert2, int impulszahl) {
    t_.v.chartBox()->leeren();
    const measure::ChartRange r = measure::drehschwebungBereich(Wert1, Wert2, global().MathAn, impulszahl);
    return GrafikZeichnen(*t_.v.chartBox(), r.xmin, r.ymin, r.xmax, r.ymax, impulszahl, r.xSchritt, r.ySchritt);
}

bool MeasurementController::drehschwebungZeigen(const measure::DrehschwebungWerte& w) {
    if (!(t_.v.seiteSichtbar(idx::frmDrehschwebung) || t_.v.seiteSichtbar(idx::frmDatenVomGeraet) ||
          t_.v.seiteSichtbar(idx::frmDatenVomComputer)))
        return false;
    const measure::OscillationDisplay d = measure::oscillationDisplay(w, trenner(), uebersetzer());
    if (!d.anzeigen)
        return false;
    const bool achsen = DrehschwebungGrafik(w.MaxWert, w.MinWert, w.Impulszahl);
    t_.v.txtAlle[idx::txtDrehImpulszahl]->setText(q(d.impulszahl));
    t_.v.txtAlle[idx::txtDrehDrehzahl]->setText(q(d.drehzahl));
    t_.v.txtAlle[idx::txtDrehFrequenz]->setText(q(d.frequenz));
    t_.v.txtAlle[idx::txtDrehUmdrehungen]->setText(q(d.umdrehungen));
    t_.v.txtAlle[idx::txtDrehMin]->setText(q(d.minWert));
    t_.v.txtAlle[idx::txtDrehMax]->setText(q(d.maxWert));
    // Only the samples Messdaten really holds, however many the count claims.
    if (achsen)
        t_.v.chartBox()->punkteZeichnen(measure::messwerte(w));

    t_.v.btnAlle[idx::btnDrehSpeichern]->setEnabled(!t_.v.chkAlle[idx::chkDrehImmer]->isChecked());
    t_.v.picGrafik[idx::picDrehschwebung]->show();
    return true;
}

void MeasurementController::drehschwebungLeeren() {
    for (int t = idx::txtDrehFrequenz; t <= idx::txtDrehUmdrehungen; ++t)
        t_.v.txtAlle[static_cast<std::size_t>(t)]->clear();
}

} // namespace kav::shell
