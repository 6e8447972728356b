#pragma once
// The cycle all live measurements share: the start, the poll tick and the
// three readouts. It reports what each step came to and why; its callers keep
// the timing and decide what follows.
#include <array>
#include <atomic>
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

// What a poll tick came to.
enum class PollOutcome {
    // The measurement was cancelled: no readout ran.
    Dropped,
    // Not finished yet: the caller polls again after kPollIntervalMs.
    Again,
    // The result is in the live record.
    Finished,
    // The measurement cannot go on (see Grund); its message has been given.
    Failed,
    // The 20th counted attempt passed; the time-out message has been given.
    TimedOut,
};

// Why a readout or a tick ended as it did.
enum class Grund {
    Keiner,
    Geraetefehler,       // device state bit 0
    NichtPcMessung,      // device state bit 1 unset
    ImpulszahlFehlt,     // type 3: the pulse number could not be read
    ImpulszahlZuNiedrig, // type 3: below 200
    DrehzahlZuNiedrig,   // type 3: above 0 and below 100 1/min
    Zeitueberschreitung, // kMaxPollAttempts unfinished readouts
};

// How a start command went.
enum class Start {
    Gestartet,
    NichtGelistet, // the device does not list the command (debug line only)
    Abgelehnt,     // the command failed; its message has been given
};

// A readout's result. NichtFertig counts as an unsuccessful attempt.
enum class Lesestand { NichtFertig, Fertig, Fehler };

struct Lesung {
    Lesestand stand = Lesestand::NichtFertig;
    Grund grund = Grund::Keiner;
    // Value 18 was read in this readout: the record's GeberSN holds it (empty
    // when its read failed). Stored records leave GeberSN as it was.
    bool geberGelesen = false;
};

struct PollResult {
    PollOutcome ergebnis = PollOutcome::Again;
    Grund grund = Grund::Keiner;
    bool geberGelesen = false;
};

// What a readout reads: a measurement that has just run, or a record loaded
// from the device's memory (no ready and device-state tests, GeberSN stays).
enum class Quelle { Messung, Speicher };

class MeasurementCycle {
public:
    MeasurementCycle(ComUSB& link, MeasureHost& host);

    // Unsuccessful readout attempts of the running measurement: reset by each
    // start, counted by every readout that returns not finished.
    std::int16_t AbfrageZaehler = 0;

    // Start: sets `Beschaeftigt` and resets the counter, runs the start
    // command ("DO_MesAktuell" "", "DO_MesSchlechtimpuls" "",
    // "DO_MesDrehschwebung" "1"), gives the failure message or writes the
    // debug line of an unlisted command, clears `Beschaeftigt`.
    Start DateiTyp1Live();
    Start DateiTyp2Live();
    Start DateiTyp3Live();

    // Cancelling a measurement type (1 to 3): its poll ticks end as Dropped
    // without touching the device until it is resumed. Safe to call from
    // another thread than the one that polls. A start does not
    // resume it; the caller does, when the measurement may run again.
    void abbrechen(int typ);
    void fortsetzen(int typ);
    bool abgebrochen(int typ) const;

    // Poll tick: clears the live record (type 2 keeps Impulszahl and
    // Frequenz), drops a cancelled measurement, runs the readout and decides.
    PollResult pollTick(AktuellWerte& live);
    PollResult pollTick(SchlechtimpulsWerte& live);
    PollResult pollTick(DrehschwebungWerte& live);

    // Readouts into the live record. Every way out clears `Beschaeftigt`;
    // every way out without Fertig counts AbfrageZaehler up.
    Lesung DateiTyp1Lesen(AktuellWerte& live, Quelle quelle = Quelle::Messung);
    Lesung DateiTyp2Lesen(SchlechtimpulsWerte& live, Quelle quelle = Quelle::Messung);
    Lesung DateiTyp3Lesen(DrehschwebungWerte& live, Quelle quelle = Quelle::Messung);

    // The start command of a type: "DO_MesAktuell", "DO_MesSchlechtimpuls",
    // "DO_MesDrehschwebung"; empty outside 1 to 3.
    static const char* startBefehl(int typ);

private:
    Start starten(int typ);
    template <class Werte>
    PollResult tick(Werte& live, int typ);
    template <class Werte>
    Lesung lesen(Werte& live, Quelle quelle, Lesung (MeasurementCycle::*teil)(Werte&, Quelle));

    Lesung aktuellLesen(AktuellWerte& live, Quelle quelle);
    Lesung schlechtimpulsLesen(SchlechtimpulsWerte& live, Quelle quelle);
    Lesung drehschwebungLesen(DrehschwebungWerte& live, Quelle quelle);

    // The common part up to the value reads; false: return `ende` (not
    // finished, or failed with its reason).
    bool bereit(const char* routine, int typ, int zweitesMaskenByte, Quelle quelle, Lesung& ende, std::string& maske);
    // One value by number; false after the failure message.
    bool wert(const char* routine, int nummer, const char* typ, double& zahl);
    bool wertText(const char* routine, int nummer, std::string& text);
    // Value 18 into GeberSN unless a stored record is read.
    void geberLesen(const char* routine, Quelle quelle, std::string& GeberSN, Lesung& lesung);
    void nichtGelesen(const char* routine, const char* was, const char* ende, bool immer);
    std::string text(std::initializer_list<const char*> deutsch);

    // The two array readouts.
    template <class T>
    void abweichungsListe(const std::string& deskriptor, int wertNummer, std::array<T, 5>& liste);
    void messdatenLesen(const std::string& deskriptor, DrehschwebungWerte& live);

    ComUSB& link_;
    MeasureHost& host_;
    // Set from the thread that shows the pages, read by the one that polls.
    std::array<std::atomic<bool>, 4> abgebrochen_{};
};

} // namespace kav::measure
