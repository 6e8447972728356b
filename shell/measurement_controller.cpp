// The live measurements' controller: one table of the three result types,
// their start, poll tick and what a tick came to, continuous reading and the
// live indicator. The device work runs as jobs on the worker; each job works
// on a copy of the live record, and its completion puts the copy back.
#include "measurement_controller.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "ansi_text.h"
#include "connection_controller.h"
#include "control_indexes.h"
#include "dialogs.h"
#include "globals.h"
#include "language.h"
#include "logs.h"
#include "main_view.h"
#include "measurement_cycle.h"
#include "panel_widgets.h"
#include "session.h"
#include "session_adapter.h"

namespace kav::shell {

namespace {

// Where each result type lives in the window (index 0 unused).
struct MessArt {
    int frame;     // its measurement page
    int lesen;     // "Werte lesen"
    int speichern; // "Daten speichern"
    int chk;       // "Werte immer lesen" (-1: none)
    int bild;      // its result panel
    int shape;     // the live indicator (-1: none)
    const char* timerName;
};
constexpr MessArt kArten[] = {
    {},
    {idx::frmAktuell, idx::btnAktuellWerteLesen, idx::btnAktuellSpeichern, idx::chkAktuellImmer, idx::picAktuell,
     idx::shpAktuellLive, "tmrDateiTyp1"},
    {idx::frmSchlechtimpulse, idx::btnSchlechtWerteLesen, idx::btnSchlechtSpeichern, -1, idx::picSchlechtimpulse, -1,
     "tmrDateiTyp2"},
    {idx::frmDrehschwebung, idx::btnDrehWerteLesen, idx::btnDrehSpeichern, idx::chkDrehImmer, idx::picDrehschwebung,
     idx::shpDrehLive, "tmrDateiTyp3"},
};

std::size_t u(int i) { return static_cast<std::size_t>(i); }

} // namespace

// The window as the measurement logic sees it, from the worker thread: a
// message waits until the user has seen it (it keeps its place among the
// job's transactions), log lines and texts are taken on the UI thread.
class MeasurementController::WorkerHost final : public measure::MeasureHost {
public:
    explicit WorkerHost(Fensterteile& t) : t_(t) {}

    void meldung(const std::string& text) override {
        t_.adapter.aufUiWarten([this, text] {
            // After the converter vanished the connection panel says so, once.
            if (!t_.verbindung->linkVerloren())
                dialoge().meldung(QString::fromStdString(text));
        });
    }
    void debugLog(const std::string& zeile) override {
        t_.adapter.nachUi([zeile] {
            if (global().DebugAn)
                LogSchreiben(QString::fromStdString(zeile));
        });
    }
    void tagesLog(const std::string& zeile) override {
        t_.adapter.nachUi([zeile] { LogSchreiben(QString::fromStdString(zeile)); });
    }
    void fehlerLog(const std::string& zeile) override {
        t_.adapter.nachUi([zeile] {
            if (global().FehlerSpeichern)
                FehlerLogSchreiben(QString::fromStdString(zeile));
        });
    }
    // The session is busy while a job runs; nothing to do here.
    void beschaeftigt(bool) override {}
    std::string sprachText(const std::string& deutsch) override {
        return t_.adapter.aufUi<std::string>(
            [deutsch] { return SprachText(QString::fromStdString(deutsch)).toStdString(); });
    }

private:
    Fensterteile& t_;
};

MeasurementController::MeasurementController(Fensterteile& t, ComUSB& link)
    : t_(t), host_(std::make_unique<WorkerHost>(t)),
      zyklus_(std::make_unique<measure::MeasurementCycle>(link, *host_)) {
    for (int typ = 1; typ <= 3; ++typ) {
        QTimer& tm = timer(typ);
        tm.setInterval(measure::kPollIntervalMs);
        tm.setObjectName(QString::fromLatin1(kArten[typ].timerName));
        connect(&tm, &QTimer::timeout, this, [this, typ] { tick(typ); });
        // A page that is not shown has no measurement to run.
        if (!t_.v.seiteSichtbar(kArten[typ].frame))
            zyklus_->abbrechen(typ);
    }
}

MeasurementController::~MeasurementController() = default;

measure::MeasureHost& MeasurementController::host() { return *host_; }

QTimer& MeasurementController::timer(int typ) { return timer_[u(typ - 1)]; }

void MeasurementController::seiteZeigen(int typ, bool zeigen) {
    t_.v.zeigen(kArten[typ].frame, zeigen);
    if (zeigen) {
        zyklus_->fortsetzen(typ);
        return;
    }
    zyklus_->abbrechen(typ);
    if (auto& job = job_[u(typ - 1)]) {
        t_.adapter.worker().abbrechen(*job);
        job.reset();
    }
}

// The start routines: current values lock "Werte lesen", bad pulses "Daten
// speichern", the oscillation both; then the start command, and the poll
// timer or the failure handling.
void MeasurementController::starten(int typ) {
    const MessArt& a = kArten[typ];
    if (typ != 2)
        t_.v.btnAlle[u(a.lesen)]->setEnabled(false);
    if (typ != 1)
        t_.v.btnAlle[u(a.speichern)]->setEnabled(false);
    job_[u(typ - 1)] = t_.adapter.posten<measure::Start>(
        [z = zyklus_.get(), typ](ComUSB&, const session::AbbruchToken&) {
            return typ == 1 ? z->DateiTyp1Live() : typ == 2 ? z->DateiTyp2Live() : z->DateiTyp3Live();
        },
        [this, typ](session::JobErgebnis<measure::Start> r) {
            job_[u(typ - 1)].reset();
            if (r.status == session::JobStatus::Abgebrochen || r.status == session::JobStatus::Verworfen ||
                zyklus_->abgebrochen(typ))
                return;
            if (r.wert && *r.wert == measure::Start::Gestartet) {
                t_.session.messungGestartet(typ);
                timer(typ).start();
            } else {
                startFehlgeschlagen(kArten[typ].chk);
            }
        });
}

void MeasurementController::tick(int typ) {
    timer(typ).stop();
    switch (typ) {
    case 1: tickTyp(1, t_.session.aktuell().live); break;
    case 2: tickTyp(2, t_.session.schlechtimpulse().live); break;
    case 3: tickTyp(3, t_.session.drehschwebung().live); break;
    default: break;
    }
}

// One poll tick: a readout that runs locks "Drucken" (the display offers it
// again); the bad pulses show the wait panel while they are read.
template <class Werte>
void MeasurementController::tickTyp(int typ, Werte& live) {
    const bool laeuft = !zyklus_->abgebrochen(typ);
    if (laeuft && typ == 2)
        t_.v.HinweisZeigen(true, QStringLiteral("Messung wird durchgeführt."));
    if (laeuft)
        t_.session.auslesenBegonnen(typ);
    struct Tick {
        measure::PollResult r;
        Werte live;
    };
    job_[u(typ - 1)] = t_.adapter.posten<Tick>(
        [z = zyklus_.get(), kopie = live](ComUSB&, const session::AbbruchToken&) mutable {
            const measure::PollResult r = z->pollTick(kopie);
            return Tick{r, std::move(kopie)};
        },
        [this, typ, laeuft, &live](session::JobErgebnis<Tick> e) {
            job_[u(typ - 1)].reset();
            // Left the page meanwhile: the result goes without a word.
            if (e.status != session::JobStatus::Fertig || !e.wert || zyklus_->abgebrochen(typ)) {
                if (e.status == session::JobStatus::Fehler)
                    LogSchreiben(QStringLiteral("Messung -> ") + QString::fromStdString(e.fehlerText()));
                return;
            }
            live = std::move(e.wert->live);
            const measure::PollResult& r = e.wert->r;
            if (r.geberGelesen) {
                t_.session.setGeberSeriennummer(live.GeberSN);
                t_.v.txtAlle[idx::txtGeberSN]->setText(fromAnsi(live.GeberSN));
            }
            if (laeuft && typ == 2 && r.ergebnis != measure::PollOutcome::Again)
                t_.v.HinweisZeigen(false, QStringLiteral("Bitte warten Sie."));
            tickAuswerten(typ, r);
        });
}

// What a poll tick came to, on the page's buttons, box and panels.
void MeasurementController::tickAuswerten(int typ, const measure::PollResult& tick) {
    const MessArt& a = kArten[typ];
    QPushButton* speichern = t_.v.btnAlle[u(a.speichern)];
    QPushButton* lesen = t_.v.btnAlle[u(a.lesen)];
    QCheckBox* immer = a.chk >= 0 ? t_.v.chkAlle[u(a.chk)] : nullptr;
    switch (tick.ergebnis) {
    case measure::PollOutcome::Dropped: break;
    case measure::PollOutcome::Again:
        speichern->setEnabled(false);
        timer(typ).start();
        break;
    case measure::PollOutcome::Finished:
        anzeigen(typ);
        if (immer && immer->isChecked()) {
            speichern->setEnabled(false);
            starten(typ); // the next measurement at once
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
        if (tick.ergebnis == measure::PollOutcome::Failed) {
            t_.v.picGrafik[u(a.bild)]->hide();
            t_.session.messungFehlgeschlagen(typ);
        } else {
            t_.session.messungAbgelaufen(typ);
        }
        break;
    }
}

void MeasurementController::startFehlgeschlagen(int chkIndex) {
    // Switching the box off runs its handler (the timer stops, "Werte lesen" comes back).
    if (chkIndex >= 0)
        t_.v.chkAlle[u(chkIndex)]->setChecked(false);
    for (int t : {idx::txtGeraetSN, idx::txtFirmware, idx::txtGeberSN})
        t_.v.txtAlle[u(t)]->clear();
    // Does the device answer at all? The connection set-up finds out and shows it.
    t_.verbindung->VerbindungAufbauen();
}

bool MeasurementController::anzeigen(int typ) {
    bool gezeigt = false;
    switch (typ) {
    case 1: gezeigt = aktuellZeigen(t_.session.aktuell().live); break;
    case 2: gezeigt = schlechtimpulseZeigen(t_.session.schlechtimpulse().live); break;
    case 3: gezeigt = drehschwebungZeigen(t_.session.drehschwebung().live); break;
    default: break;
    }
    if (gezeigt)
        nachAnzeige(typ);
    return gezeigt;
}

// A shown result becomes the saved copy; while continuous reading runs, the
// indicator blinks once per result.
void MeasurementController::nachAnzeige(int typ) {
    t_.session.ergebnisAngezeigt(typ);
    liveAnzeigerSetzen(typ);
    emit ergebnisAngezeigt(typ);
}

void MeasurementController::liveAnzeigerSetzen(int typ) {
    const MessArt& a = kArten[typ];
    if (a.shape < 0)
        return;
    ShapeWidget* s = t_.v.shpAlle[u(a.shape)];
    if (t_.v.chkAlle[u(a.chk)]->isChecked())
        s->setFillStyle(s->fillStyle() == 0 ? 1 : 0);
    else
        s->setFillStyle(0);
}

void MeasurementController::loeschen(int typ) {
    t_.session.ergebnisLoeschen(typ);
    switch (typ) {
    case 1: aktuellLeeren(); break;
    case 2: schlechtimpulseLeeren(); break;
    case 3: drehschwebungLeeren(); break;
    default: break;
    }
}

void MeasurementController::dauerlesenGeklickt(int index) {
    if (index != idx::chkDrehImmer && index != idx::chkAktuellImmer)
        return;
    const int typ = index == idx::chkAktuellImmer ? 1 : 3;
    const MessArt& a = kArten[typ];
    QPushButton* speichern = t_.v.btnAlle[u(a.speichern)];
    const bool an = t_.v.chkAlle[u(index)]->isChecked();
    t_.session.setDauerlesen(typ, an);
    if (an) {
        speichern->setEnabled(false);
        starten(typ);
        return;
    }
    timer(typ).stop();
    // The saved copy holds data while its pulse number is not 0.
    const int impulse =
        typ == 1 ? t_.session.aktuell().gespeichert.Impulszahl : t_.session.drehschwebung().gespeichert.Impulszahl;
    speichern->setEnabled(impulse != 0);
    t_.v.btnAlle[u(a.lesen)]->setEnabled(true);
    t_.v.shpAlle[u(a.shape)]->setFillStyle(0);
}

void MeasurementController::allesStoppen() {
    for (int typ = 1; typ <= 3; ++typ)
        timer(typ).stop();
    for (QCheckBox* c : t_.v.chkAlle)
        if (c && c->isChecked())
            c->setChecked(false);
}

void MeasurementController::werteNeuZeigen() {
    // A shown value carries its unit and its notes in the language ("1/min",
    // "Umdrehung"): it is shown once more from the saved copy, so the page and
    // a printout made from it speak the same language. The live record is
    // left as the running measurement has it, the live indicators as they blink.
    if (!t_.v.picGrafik[idx::picAktuell]->isHidden() && t_.session.aktuell().gespeichert.Impulszahl != 0)
        aktuellZeigen(t_.session.aktuell().gespeichert);
    if (!t_.v.picGrafik[idx::picSchlechtimpulse]->isHidden() &&
        t_.session.schlechtimpulse().gespeichert.Impulszahl != 0)
        schlechtimpulseZeigen(t_.session.schlechtimpulse().gespeichert);
    if (!t_.v.picGrafik[idx::picDrehschwebung]->isHidden() && t_.session.drehschwebung().gespeichert.Impulszahl != 0)
        drehschwebungZeigen(t_.session.drehschwebung().gespeichert);
}

} // namespace kav::shell
