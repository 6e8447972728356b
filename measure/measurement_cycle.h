#pragma once
// The cycle all live measurements share, as one std-only piece that both the
// window and `kavctl measure` run: the start routines' core, the poll tick's
// core and the three readouts. The window keeps its timers, buttons and
// check boxes and switches on what a tick returns.
#include <array>
#include <cstdint>
#include <string>

#include "measure_host.h"
#include "result_records.h"

namespace kav {
class ComUSB;
}

namespace kav::measure {

inline constexpr int kPollIntervalMs = 500;
// Counted readout attempts after which a measurement gives up.
inline constexpr int kMaxPollAttempts = 20;

// What a poll tick came to, and what the window does then.
enum class PollOutcome {
    // The page is hidden: the measurement is dropped silently. Nothing to do.
    Dropped,
    // Not finished yet: disable "Daten speichern" and arm the timer again.
    Again,
    // The result is in the live record: run the display. Type 2: enable
    // "Daten speichern". Types 1 and 3: with "Werte immer lesen" checked
    // disable "Daten speichern" and run the start routine again, otherwise
    // enable "Daten speichern" and "Werte lesen".
    Finished,
    // Device error, not in PC mode, or (type 3) pulse number or speed too
    // low; the message has been shown. Types 1 and 3: switch "Werte immer
    // lesen" off and enable "Werte lesen"; all: disable "Daten speichern" and
    // hide the result panel.
    Failed,
    // The 20th counted attempt passed; the time-out message has been shown.
    // Types 1 and 3: switch "Werte immer lesen" off and enable "Werte lesen";
    // all: disable "Daten speichern".
    TimedOut,
};

class MeasurementCycle {
public:
    MeasurementCycle(ComUSB& link, MeasureHost& host);

    // Unsuccessful readout attempts of the running measurement: reset by each
    // start, counted by every readout that returns not finished.
    std::int16_t AbfrageZaehler = 0;

    // Start routines' core: sets `Beschaeftigt` and resets the counter, runs
    // the start command ("DO_MesAktuell" "", "DO_MesSchlechtimpuls" "",
    // "DO_MesDrehschwebung" "1"), shows the failure message or writes the
    // debug line of an unlisted command, clears `Beschaeftigt`. True: arm the
    // poll timer. False: switch "Werte immer lesen" off (types 1 and 3),
    // clear txtAlle(30), (31), (38) and run VerbindungAufbauen. The window
    // disables the page's buttons before the call.
    bool DateiTyp1Live();
    bool DateiTyp2Live();
    bool DateiTyp3Live();

    // Poll tick's core (the caller has disabled its timer): clears the live
    // record (type 2 keeps Impulszahl and Frequenz), tests the page, runs the
    // readout and decides. Type 2 shows the wait panel around the readout and
    // hides it again unless the outcome is Again.
    PollOutcome pollTick(AktuellWerte& live);
    PollOutcome pollTick(SchlechtimpulsWerte& live);
    PollOutcome pollTick(DrehschwebungWerte& live);

    // Readouts into the live record. `Fertig`: the complete result is there.
    // `Fehler`: the measurement cannot go on. A caller passing `Fehler` true
    // reads a stored record: no ready and device-state tests, txtAlle(38)
    // stays. Every way out clears `Beschaeftigt`; every way out without
    // `Fertig` counts AbfrageZaehler up.
    void DateiTyp1Lesen(AktuellWerte& live, bool& Fertig, bool& Fehler);
    void DateiTyp2Lesen(SchlechtimpulsWerte& live, bool& Fertig, bool& Fehler);
    void DateiTyp3Lesen(DrehschwebungWerte& live, bool& Fertig, bool& Fehler);

private:
    bool starten(int typ);
    template <class Werte>
    PollOutcome tick(Werte& live, int typ);
    template <class Werte>
    void lesen(Werte& live, bool& Fertig, bool& Fehler, void (MeasurementCycle::*teil)(Werte&, bool&, bool&));

    void aktuellLesen(AktuellWerte& live, bool& Fertig, bool& Fehler);
    void schlechtimpulsLesen(SchlechtimpulsWerte& live, bool& Fertig, bool& Fehler);
    void drehschwebungLesen(DrehschwebungWerte& live, bool& Fertig, bool& Fehler);

    // The common part up to the value reads; false: return (not finished, or `Fehler` set).
    bool bereit(const char* routine, int typ, int zweitesMaskenByte, bool fehlerKam, bool& Fehler, std::string& maske);
    // One value by number; false after the failure message.
    bool wert(const char* routine, int nummer, const char* typ, double& zahl);
    bool wertText(const char* routine, int nummer, std::string& text);
    // Value 18 into txtAlle(38) unless a stored record is read.
    void geberLesen(const char* routine, bool fehlerKam);
    void nichtGelesen(const char* routine, const char* was, const char* ende, bool immer);
    std::string text(std::initializer_list<const char*> deutsch);

    // The two array readouts.
    template <class T>
    void abweichungsListe(const std::string& deskriptor, int wertNummer, std::array<T, 5>& liste);
    void messdatenLesen(const std::string& deskriptor, DrehschwebungWerte& live);

    ComUSB& link_;
    MeasureHost& host_;
};

} // namespace kav::measure
