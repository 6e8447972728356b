#pragma once
// The session: what the program knows about its device and its work at any
// moment, apart from any window. Connected or not, the device's identity, the
// encoder's serial number, whether device work runs, the page the user is on,
// and for each result type the live record and the saved copy. Whether
// "Drucken" and "Daten speichern" are enabled is computed here and nowhere
// else (druckenAktiv, datenSpeichernAktiv).
//
// Views learn of changes through a plain observer list; the Qt adapter turns
// them into signals. Observers run on the thread that changed the session
// (the UI thread: device work reports back there before it touches this).
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "device_call.h"
#include "result_records.h"

namespace kav::session {

// The pages of the window: what the navigation column and the result area show.
enum class Seite {
    Verbindung,       // not connected: the unconnected layout, or frame 9 after a failed attempt
    Start,            // connected, the home frames 0, 1, 2
    Aktuell,          // frame 5, result type 1
    Schlechtimpulse,  // frame 4, result type 2
    Drehschwebung,    // frame 3, result type 3
    DatenVomGeraet,   // frame 6, a record from the device's memory, any type
    DatenVomComputer, // frame 7, the file browser and an opened record file, any type
};

// The measurement page of a result type (1 to 3), and the type a page measures (0 for the others).
Seite messSeite(int typ);
int messTyp(Seite s);
// Pages that show stored records of any type.
bool gespeicherteSeite(Seite s);

// Where the measurement of one result type stands.
enum class MessPhase {
    Ruhe,       // nothing runs: no measurement, or its result is shown
    Gestartet,  // the start command was accepted, no readout has run yet
    Liest,      // a readout has begun and the result is not complete yet
    Abgelaufen, // the measurement gave up after its counted attempts; the last result stays
};

// The device's identity as the connection read it: the whole call results,
// so a view can tell an error text from a serial number.
struct Identitaet {
    Aufruf seriennummer; // "RD_Info" 3, "S"
    Aufruf firmware;     // "RD_Info" 0, "S"

    // The texts the identity bar shows: the decoded text, or the failure word.
    std::string seriennummerText() const { return seriennummer.text; }
    std::string firmwareText() const { return firmware.text; }
    // Whether the serial number came back as a failure (the supply is off).
    bool fehlgeschlagen() const { return !seriennummer.ok(); }
};

// One result type's two records: live (filled by a readout or the file
// reader) and saved (taken by the display, written by "Daten speichern").
template <class Werte>
struct Ergebnis {
    Werte live{};
    Werte gespeichert{};
};

// What changed; one notification per change.
enum class Aenderung {
    Verbindung,   // verbunden()
    Identitaet,   // identitaet()
    Geber,        // geberSeriennummer()
    Beschaeftigt, // beschaeftigt()
    Seite,        // seite()
    Messung,      // a phase, the continuous-reading switch, a shown result or a saved copy
};

class Session {
public:
    using Beobachter = std::function<void(Aenderung)>;

    // --- Observers ---------------------------------------------------------
    // Returns a number for abmelden. Observers may read the session but must
    // not change it from inside the notification.
    int anmelden(Beobachter b);
    void abmelden(int nummer);

    // --- Connection and identity -------------------------------------------
    bool verbunden() const { return verbunden_; }
    const Identitaet& identitaet() const { return identitaet_; }
    const std::string& geberSeriennummer() const { return geber_; }
    // A connection attempt succeeded (with the identity it read). The page
    // becomes Start.
    void verbindungHergestellt(Identitaet id);
    // Disconnected, or an attempt failed: identity and encoder serial number
    // are emptied, every page's result is gone and the page is Verbindung.
    void verbindungGetrennt();
    // "S/N Geber:" as the device sent it (Windows-1252), or empty.
    void setGeberSeriennummer(std::string ansiText);

    // --- Busy ----------------------------------------------------------------
    // Device work runs (the worker has a job). Closing the window and
    // printing wait for it.
    bool beschaeftigt() const { return beschaeftigt_; }
    void setBeschaeftigt(bool an);

    // --- Navigation ------------------------------------------------------------
    Seite seite() const { return seite_; }
    // Changing the page leaves the old one: every measurement rests (phase
    // Ruhe) and the result area is empty. "Werte immer lesen" keeps its
    // state, as its check box does. The controller cancels the running job
    // before it calls this.
    void setSeite(Seite s);

    // --- Measurements ------------------------------------------------------------
    MessPhase phase(int typ) const;
    bool dauerlesen(int typ) const; // "Werte immer lesen" (types 1 and 3; type 2 is always false)
    // The result type on the result area (0: nothing shown).
    int angezeigterTyp() const { return angezeigt_; }

    void messungGestartet(int typ);
    void auslesenBegonnen(int typ);
    // The display ran: the live record becomes the saved copy and the type's
    // result is on the result area; the measurement rests.
    void ergebnisAngezeigt(int typ);
    // The measurement failed (device error, not in PC mode): its result
    // panel is hidden.
    void messungFehlgeschlagen(int typ);
    // The counted attempts ran out: the last result, if any, stays shown.
    void messungAbgelaufen(int typ);
    // "Werte immer lesen"; switching it off stops the polling (phase Ruhe).
    void setDauerlesen(int typ, bool an);
    // The page's clear procedure: saved copy emptied, its result off the result area.
    void ergebnisLoeschen(int typ);
    // The result area is emptied without a new page (a stored record is
    // being loaded).
    void anzeigeLeeren();

    Ergebnis<measure::AktuellWerte>& aktuell() { return aktuell_; }
    Ergebnis<measure::SchlechtimpulsWerte>& schlechtimpulse() { return schlechtimpulse_; }
    Ergebnis<measure::DrehschwebungWerte>& drehschwebung() { return drehschwebung_; }
    const Ergebnis<measure::AktuellWerte>& aktuell() const { return aktuell_; }
    const Ergebnis<measure::SchlechtimpulsWerte>& schlechtimpulse() const { return schlechtimpulse_; }
    const Ergebnis<measure::DrehschwebungWerte>& drehschwebung() const { return drehschwebung_; }
    // Whether the saved copy of a type holds something to save.
    bool gespeichertHatDaten(int typ) const;

    // --- The enabled states ---------------------------------------------------------
    // "Drucken" (menu Programm, item 4) is enabled when a result is on the
    // result area, no readout has begun since it was shown, and it is not
    // about to be replaced: the bad-pulse result and every result on the
    // two pages of stored records always qualify, a live result of types 1
    // and 3 only while "Werte immer lesen" is off. (The bad-pulse page
    // prints nothing, but its display has always offered the item.)
    bool druckenAktiv() const;
    // Whether a click on "Drucken" prints: enabled and no device work running.
    bool druckenErlaubt() const { return druckenAktiv() && !beschaeftigt_; }
    // "Daten speichern" of the page of `typ` is enabled when that page is the
    // current one, its result is shown, "Werte immer lesen" is off and the
    // measurement rests. A started measurement of types 2 and 3 locks it at
    // once; type 1 locks it at its first readout (its start locks only "Werte
    // lesen"). After a time-out it stays locked.
    bool datenSpeichernAktiv(int typ) const;
    // Whether a click on "Daten speichern" saves: the saved copy holds data.
    bool datenSpeichernWirkt(int typ) const { return gespeichertHatDaten(typ); }

private:
    struct Messung {
        MessPhase phase = MessPhase::Ruhe;
        bool dauerlesen = false;
    };
    Messung& messung(int typ);
    const Messung& messung(int typ) const;
    void melden(Aenderung a);
    void ruhen();

    bool verbunden_ = false;
    Identitaet identitaet_;
    std::string geber_;
    bool beschaeftigt_ = false;
    Seite seite_ = Seite::Verbindung;
    int angezeigt_ = 0;
    std::array<Messung, 3> messungen_{};
    Ergebnis<measure::AktuellWerte> aktuell_;
    Ergebnis<measure::SchlechtimpulsWerte> schlechtimpulse_;
    Ergebnis<measure::DrehschwebungWerte> drehschwebung_;

    struct Eintrag {
        int nummer;
        Beobachter beobachter;
    };
    std::vector<Eintrag> beobachter_;
    int naechsteNummer_ = 1;
};

} // namespace kav::session
