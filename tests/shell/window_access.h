#pragma once
// Behind the window's entry points, for tests and benchmarks: its view, its
// session and its controllers, and a wait until its device jobs are done.
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <chrono>

#include "archive_controller.h"
#include "connection_controller.h"
#include "kav_main.h"
#include "main_view.h"
#include "measurement_controller.h"
#include "records_controller.h"
#include "session.h"
#include "session_adapter.h"
#include "verdict_controller.h"

namespace kav::test {

// The window's parts, for tests that look behind its entry points.
struct FensterZugang {
    static shell::MainView& ansicht(const shell::KAV_Main& w) { return *w.view_; }
    static session::Session& sitzung(const shell::KAV_Main& w) { return *w.session_; }
    static shell::MeasurementController& messen(const shell::KAV_Main& w) { return *w.messung_; }
    static shell::RecordsController& daten(const shell::KAV_Main& w) { return *w.daten_; }
    static shell::ConnectionController& verbindung(const shell::KAV_Main& w) { return *w.verbindung_; }
    static shell::ArchiveController& archiv(const shell::KAV_Main& w) { return *w.archiv_; }
    static bool ersteAktivierung(const shell::KAV_Main& w) { return w.ErsteAktivierung; }
    static bool adminModus(const shell::KAV_Main& w) { return w.AdminModus; }
    static int& aktDateiTyp(const shell::KAV_Main& w) { return w.daten_->AktDateiTyp; }
    static QString& programmPfad(const shell::KAV_Main& w) { return w.daten_->ProgrammPfad; }
    // Only while no job runs: the link belongs to the worker thread.
    static ComUSB* link(const shell::KAV_Main& w) { return w.link_.get(); }
    static shell::VerdictController& pruefung(const shell::KAV_Main& w) { return *w.pruefung_; }
};
inline shell::MainView& ansicht(const shell::KAV_Main& w) { return FensterZugang::ansicht(w); }
inline session::Session& sitzung(const shell::KAV_Main& w) { return FensterZugang::sitzung(w); }
inline shell::MeasurementController& messen(const shell::KAV_Main& w) { return FensterZugang::messen(w); }
inline shell::RecordsController& daten(const shell::KAV_Main& w) { return FensterZugang::daten(w); }
inline shell::ConnectionController& verbindung(const shell::KAV_Main& w) { return FensterZugang::verbindung(w); }
inline shell::VerdictController& pruefung(const shell::KAV_Main& w) { return FensterZugang::pruefung(w); }
inline shell::ArchiveController& archiv(const shell::KAV_Main& w) { return FensterZugang::archiv(w); }
// The field a save button tests in the saved copy of a result type.
inline int gespeicherteAnzahl(const shell::KAV_Main& w, int typ) {
    const session::Session& s = sitzung(w);
    switch (typ) {
    case 1: return s.aktuell().gespeichert.Impulszahl;
    case 2: return s.schlechtimpulse().gespeichert.AnzahlAbweichungen;
    case 3: return s.drehschwebung().gespeichert.AnzahlMesswerte;
    default: return 0;
    }
}

// Runs the event loop until every device job the window posted has come back
// (a job's completion may post the next one); false after 30 s.
inline bool jobsAbwarten(const shell::KAV_Main& w) {
    QDeadlineTimer frist(std::chrono::seconds(30));
    while (!w.adapter().frei() && !frist.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    // What the last completion left queued (a zero-time timer, log lines).
    QCoreApplication::processEvents();
    return w.adapter().frei();
}

} // namespace kav::test
