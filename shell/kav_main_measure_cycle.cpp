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
#include <optional>

#include "ansi_text.h"
#include "control_indexes.h"
#include "decimal_separator.h"
#include "device_header.h"
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

    void meldung(const std::string& text) override {
        // After the converter vanished the connection panel says so, once.
        if (!w_.linkVerloren())
            dialoge().meldung(QString::fromStdString(text));
    }
    void debugLog(const std::string& zeile) override {
        if (global().DebugAn)
            LogSchreiben(QString::fromStdString(zeile));
    }
    void tagesLog(const std::string& zeile) override { LogSchreiben(QString::fromStdString(zeile)); }
    void fehlerLog(const std::string& zeile) override {
        if (global().FehlerSpeichern)
            FehlerLogSchreiben(QString::fromStdString(zeile));
    }
    void beschaeftigt(bool an) override { w_.Beschaeftigt = an; }
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
    // A page that is not shown has no measurement to run.
    for (int typ = 1; typ <= 3; ++typ)
        if (!seiteSichtbar(messSeite(typ)))
            messzyklus_->abbrechen(typ);
}

int KAV_Main::messSeite(int typ) {
    return typ == 1 ? idx::frmAktuell : typ == 2 ? idx::frmSchlechtimpulse : idx::frmDrehschwebung;
}

// Leaving a measurement page cancels its measurement; entering it lets it run.
void KAV_Main::messSeiteZeigen(int typ, bool zeigen) {
    frmAlle[static_cast<std::size_t>(messSeite(typ))]->setVisible(zeigen);
    if (!messzyklus_)
        return;
    if (zeigen)
        messzyklus_->fortsetzen(typ);
    else
        messzyklus_->abbrechen(typ);
}

// A frame's own Visible: the window itself need not be on the screen.
bool KAV_Main::seiteSichtbar(int frame) const { return !frmAlle[static_cast<std::size_t>(frame)]->isHidden(); }

namespace {

// Where each measurement type lives in the window (index 0 unused).
struct MessSeite {
    int lesen, speichern, chk, bild; // "Werte lesen", "Daten speichern", continuous reading (-1 none), result panel
};
constexpr MessSeite kMessSeiten[] = {
    {},
    {idx::btnAktuellWerteLesen, idx::btnAktuellSpeichern, idx::chkAktuellImmer, idx::picAktuell},
    {idx::btnSchlechtWerteLesen, idx::btnSchlechtSpeichern, -1, idx::picSchlechtimpulse},
    {idx::btnDrehWerteLesen, idx::btnDrehSpeichern, idx::chkDrehImmer, idx::picDrehschwebung},
};

} // namespace

// The start routines: current values lock "Werte lesen", bad pulses "Daten
// speichern", the oscillation both; then the start command, and the poll
// timer or the failure handling.
void KAV_Main::messungStarten(int typ) {
    const MessSeite& s = kMessSeiten[typ];
    if (typ != 2)
        btnAlle[static_cast<std::size_t>(s.lesen)]->setEnabled(false);
    if (typ != 1)
        btnAlle[static_cast<std::size_t>(s.speichern)]->setEnabled(false);
    bool gestartet = false;
    if (messzyklus_)
        gestartet = (typ == 1   ? messzyklus_->DateiTyp1Live()
                     : typ == 2 ? messzyklus_->DateiTyp2Live()
                                : messzyklus_->DateiTyp3Live()) == measure::Start::Gestartet;
    if (gestartet)
        (typ == 1 ? tmrDateiTyp1 : typ == 2 ? tmrDateiTyp2 : tmrDateiTyp3).start();
    else
        startFehlgeschlagen(s.chk);
}

// One poll tick of a type: a readout that runs locks "Drucken" (the display
// offers it again); the bad pulses show the wait panel while they are read.
measure::PollResult KAV_Main::messTick(int typ) {
    if (!messzyklus_)
        return {measure::PollOutcome::Dropped};
    const bool laeuft = !messzyklus_->abgebrochen(typ);
    if (laeuft && typ == 2)
        HinweisZeigen(true, QStringLiteral("Messung wird durchgeführt."));
    if (laeuft)
        mnuProgrammItem[4]->setEnabled(false);
    const measure::PollResult r = typ == 1   ? messzyklus_->pollTick(AktuellLive)
                                  : typ == 2 ? messzyklus_->pollTick(SchlechtimpulsLive)
                                             : messzyklus_->pollTick(DrehschwebungLive);
    if (r.geberGelesen)
        txtAlle[idx::txtGeberSN]->setText(fromAnsi(typ == 1   ? AktuellLive.GeberSN
                                                   : typ == 2 ? SchlechtimpulsLive.GeberSN
                                                              : DrehschwebungLive.GeberSN));
    if (laeuft && typ == 2 && r.ergebnis != measure::PollOutcome::Again)
        HinweisZeigen(false, QStringLiteral("Bitte warten Sie."));
    return r;
}

// What a poll tick came to, on the page's buttons, box and panels.
void KAV_Main::pollAuswerten(int typ, const measure::PollResult& tick) {
    const measure::PollOutcome ergebnis = tick.ergebnis;
    const MessSeite& s = kMessSeiten[typ];
    QPushButton* speichern = btnAlle[static_cast<std::size_t>(s.speichern)];
    QPushButton* lesen = btnAlle[static_cast<std::size_t>(s.lesen)];
    QCheckBox* immer = s.chk >= 0 ? chkAlle[static_cast<std::size_t>(s.chk)] : nullptr;
    switch (ergebnis) {
    case measure::PollOutcome::Dropped: break;
    case measure::PollOutcome::Again:
        speichern->setEnabled(false);
        (typ == 1 ? tmrDateiTyp1 : typ == 2 ? tmrDateiTyp2 : tmrDateiTyp3).start();
        break;
    case measure::PollOutcome::Finished:
        typ == 1 ? DateiTyp1Anzeigen() : typ == 2 ? DateiTyp2Anzeigen() : DateiTyp3Anzeigen();
        if (immer && immer->isChecked()) {
            speichern->setEnabled(false);
            messungStarten(typ); // the next measurement at once
        } else {
            speichern->setEnabled(true);
            if (immer)
                lesen->setEnabled(true);
        }
        break;
    case measure::PollOutcome::Failed:
    case measure::PollOutcome::TimedOut:
        // Switching the box off runs its handler first (timer, buttons, indicator).
        if (immer) {
            immer->setChecked(false);
            lesen->setEnabled(true);
        }
        speichern->setEnabled(false);
        if (ergebnis == measure::PollOutcome::Failed) {
            picGrafik[static_cast<std::size_t>(s.bild)]->hide();
            // The handler offered the last result for printing; its panel is gone now.
            mnuProgrammItem[4]->setEnabled(false);
        }
        break;
    }
}

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

const std::string& KAV_Main::gespeicherterGeber(int dateiTyp) const {
    return dateiTyp == 1   ? AktuellGespeichert.GeberSN
           : dateiTyp == 2 ? SchlechtimpulsGespeichert.GeberSN
                           : DrehschwebungGespeichert.GeberSN;
}

void KAV_Main::DateVomGAuslesen() {
    if (!messzyklus_)
        return;
    // The type's live record cleared; off the page nothing more. Then the
    // readout of the stored record (no ready and device-state tests; the
    // encoder serial is the header's); a record that is there can be saved.
    using Zyklus = measure::MeasurementCycle;
    auto lesen = [this](auto& live, auto readout) -> std::optional<bool> {
        live = {};
        if (!seiteSichtbar(idx::frmDatenVomGeraet))
            return std::nullopt;
        if (const auto kopf = records::kopfTextTexte(KopfText.toLatin1().toStdString()))
            live.GeberSN = records::getrimmt(kopf->texte.geberSN);
        mnuProgrammItem[4]->setEnabled(false);
        const bool fertig =
            (messzyklus_.get()->*readout)(live, measure::Quelle::Speicher).stand == measure::Lesestand::Fertig;
        if (fertig)
            btnAlle[idx::btnGeraetSpeichern]->setEnabled(true);
        return fertig;
    };
    switch (AktDateiTyp) {
    case 1:
        if (lesen(AktuellLive, &Zyklus::DateiTyp1Lesen).value_or(false))
            DateiTyp1Anzeigen();
        break;
    case 2:
        if (const std::optional<bool> fertig = lesen(SchlechtimpulsLive, &Zyklus::DateiTyp2Lesen); fertig && *fertig) {
            DateiTyp2Anzeigen();
        } else if (fertig) {
            // The whole check again in 500 ms, until the record is there or the page is left.
            btnAlle[idx::btnGeraetSpeichern]->setEnabled(false);
            tmrDateVomG.start();
        }
        break;
    case 3:
        if (lesen(DrehschwebungLive, &Zyklus::DateiTyp3Lesen).value_or(false))
            DateiTyp3Anzeigen();
        break;
    default: break;
    }
}

} // namespace kav::shell
