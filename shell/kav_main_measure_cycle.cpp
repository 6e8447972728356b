// What the three live measurements share in the window: the host the
// measurement logic calls out to, the continuous-reading switch, the failed
// start, the live indicator, "Drucken" after a display, the save buttons'
// test and the readout half of the status check before a stored record is
// read.
#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "ansi_text.h"
#include "control_indexes.h"
#include "decimal_separator.h"
#include "dialogs.h"
#include "globals.h"
#include "kav_main.h"
#include "kav_main_measure.h"
#include "language.h"
#include "logs.h"
#include "measure_host.h"
#include "measurement_cycle.h"
#include "panel_widgets.h"

namespace kav::shell {

namespace messung {
measure::Translator uebersetzer() {
    return [](const std::string& deutsch) { return SprachText(QString::fromStdString(deutsch)).toStdString(); };
}
std::string trenner() { return measure::systemDezimalTrenner(); }
} // namespace messung

namespace {

// The window as the measurement logic sees it.
class FensterHost final : public measure::MeasureHost {
public:
    explicit FensterHost(KAV_Main& w) : w_(w) {}

    void meldung(const std::string& text) override { dialoge().meldung(QString::fromStdString(text)); }
    void debugLog(const std::string& zeile) override {
        if (global().DebugAn)
            LogSchreiben(QString::fromStdString(zeile));
    }
    void tagesLog(const std::string& zeile) override { LogSchreiben(QString::fromStdString(zeile)); }
    void fehlerLog(const std::string& zeile) override {
        if (global().FehlerSpeichern)
            FehlerLogSchreiben(QString::fromStdString(zeile));
    }
    bool seiteSichtbar(int frame) override {
        return frame >= 0 && frame < idx::kFrames && !w_.frmAlle[static_cast<std::size_t>(frame)]->isHidden();
    }
    void geberSeriennummer(const std::string& ansiText) override {
        w_.txtAlle[idx::txtGeberSN]->setText(fromAnsi(ansiText));
    }
    void beschaeftigt(bool an) override { w_.Beschaeftigt = an; }
    void druckenSperren() override { w_.mnuProgrammItem[4]->setEnabled(false); }
    void wartehinweis(bool zeigen) override {
        w_.HinweisZeigen(zeigen,
                         zeigen ? QStringLiteral("Messung wird durchgeführt.") : QStringLiteral("Bitte warten Sie."));
    }
    std::string sprachText(const std::string& deutsch) override {
        return SprachText(QString::fromStdString(deutsch)).toStdString();
    }

private:
    KAV_Main& w_;
};

} // namespace

void KAV_Main::messungEinrichten() {
    messzyklus_.reset();
    messHost_ = std::make_unique<FensterHost>(*this);
    messzyklus_ = std::make_unique<measure::MeasurementCycle>(*link_, *messHost_);
}

// A frame's own Visible: the window itself need not be on the screen.
bool KAV_Main::seiteSichtbar(int frame) const { return !frmAlle[static_cast<std::size_t>(frame)]->isHidden(); }

void KAV_Main::startFehlgeschlagen(int chkIndex) {
    // Switching the box off runs its handler (the timer stops, "Werte lesen" comes back).
    if (chkIndex >= 0)
        chkAlle[static_cast<std::size_t>(chkIndex)]->setChecked(false);
    for (int t : {idx::txtGeraetSN, idx::txtFirmware, idx::txtGeberSN})
        txtAlle[static_cast<std::size_t>(t)]->clear();
    // Does the device answer at all? The connection set-up finds out and shows it.
    VerbindungAufbauen();
}

// While continuous reading runs, the indicator blinks once per result.
void KAV_Main::liveAnzeigerSetzen(int shape, int chkIndex) {
    ShapeWidget* s = shpAlle[static_cast<std::size_t>(shape)];
    if (chkAlle[static_cast<std::size_t>(chkIndex)]->isChecked())
        s->setFillStyle(s->fillStyle() == 0 ? 1 : 0);
    else
        s->setFillStyle(0);
}

// A shown result can be printed from its own page once continuous reading
// is off, and always from the two pages of stored records.
void KAV_Main::druckenNachAnzeige(int frame, int chkIndex) {
    const bool drucken = (seiteSichtbar(frame) && !chkAlle[static_cast<std::size_t>(chkIndex)]->isChecked()) ||
                         seiteSichtbar(idx::frmDatenVomGeraet) || seiteSichtbar(idx::frmDatenVomComputer);
    mnuProgrammItem[4]->setEnabled(drucken);
}

void KAV_Main::chkAlle_Click(int index) {
    if (index != idx::chkDrehImmer && index != idx::chkAktuellImmer)
        return;
    const bool aktuell = index == idx::chkAktuellImmer;
    QPushButton* speichern = btnAlle[aktuell ? idx::btnAktuellSpeichern : idx::btnDrehSpeichern];
    if (chkAlle[static_cast<std::size_t>(index)]->isChecked()) {
        speichern->setEnabled(false);
        aktuell ? DateiTyp1Live() : DateiTyp3Live();
        return;
    }
    (aktuell ? tmrDateiTyp1 : tmrDateiTyp3).stop();
    // The saved copy holds data while its pulse number is not 0.
    const bool daten = (aktuell ? AktuellGespeichert.Impulszahl : DrehschwebungGespeichert.Impulszahl) != 0;
    speichern->setEnabled(daten);
    mnuProgrammItem[4]->setEnabled(daten);
    btnAlle[aktuell ? idx::btnAktuellWerteLesen : idx::btnDrehWerteLesen]->setEnabled(true);
    shpAlle[aktuell ? idx::shpAktuellLive : idx::shpDrehLive]->setFillStyle(0);
}

int KAV_Main::gespeicherteAnzahl(int dateiTyp) const {
    switch (dateiTyp) {
    case 1: return AktuellGespeichert.Impulszahl;
    case 2: return SchlechtimpulsGespeichert.AnzahlAbweichungen;
    case 3: return DrehschwebungGespeichert.AnzahlMesswerte;
    default: return 0;
    }
}

void KAV_Main::DateVomGAuslesen() {
    if (!messzyklus_)
        return;
    // Fehler comes in true: a stored record, read without the ready and device-state tests.
    bool Fertig = false;
    bool Fehler = true;
    switch (AktDateiTyp) {
    case 1:
        AktuellLive = {};
        if (!seiteSichtbar(idx::frmDatenVomGeraet))
            return;
        messzyklus_->DateiTyp1Lesen(AktuellLive, Fertig, Fehler);
        if (Fertig) {
            btnAlle[idx::btnGeraetSpeichern]->setEnabled(true);
            DateiTyp1Anzeigen();
        }
        break;
    case 2:
        SchlechtimpulsLive = {};
        if (!seiteSichtbar(idx::frmDatenVomGeraet))
            return;
        messzyklus_->DateiTyp2Lesen(SchlechtimpulsLive, Fertig, Fehler);
        if (Fertig) {
            btnAlle[idx::btnGeraetSpeichern]->setEnabled(true);
            DateiTyp2Anzeigen();
        } else {
            // The whole check again in 500 ms, until the record is there or the page is left.
            btnAlle[idx::btnGeraetSpeichern]->setEnabled(false);
            tmrDateVomG.start();
        }
        break;
    case 3:
        DrehschwebungLive = {};
        if (!seiteSichtbar(idx::frmDatenVomGeraet))
            return;
        messzyklus_->DateiTyp3Lesen(DrehschwebungLive, Fertig, Fehler);
        if (Fertig) {
            btnAlle[idx::btnGeraetSpeichern]->setEnabled(true);
            DateiTyp3Anzeigen();
        }
        break;
    default: break;
    }
}

} // namespace kav::shell
