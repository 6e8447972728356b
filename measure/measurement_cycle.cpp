// The start routines' core, the poll tick's core and the parts every readout
// shares.
#include "measurement_cycle.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <type_traits>

#include "bit_text.h"
#include "com_usb.h"
#include "device_call.h"
#include "frames.h"
#include "readout_numbers.h"
#include "typed_values.h"

namespace kav::measure {

namespace detail {
std::int32_t alsInt32(double v) {
    if (!std::isfinite(v))
        return 0;
    return static_cast<std::int32_t>(std::clamp(std::round(v), -2147483648.0, 2147483647.0));
}
std::int16_t alsInt16(double v) {
    if (!std::isfinite(v))
        return 0;
    return static_cast<std::int16_t>(std::clamp(std::round(v), -32768.0, 32767.0));
}
std::uint8_t alsByte(double v) { return static_cast<std::uint8_t>(alsInt32(v) & 0xFF); }
std::uint8_t antwortByte(const std::string& hex, int n) {
    return alsByte(COM_WertLesen(COM_HexByte(hex, n), "B").toNumber());
}
} // namespace detail

std::string zeilen(const Translator& t, std::initializer_list<const char*> deutsch) {
    std::string out;
    for (const char* d : deutsch) {
        if (!out.empty())
            out += "\r\n";
        out += T(t, d);
    }
    return out;
}

MeasurementCycle::MeasurementCycle(ComUSB& link, MeasureHost& host) : link_(link), host_(host) {}

std::string MeasurementCycle::text(std::initializer_list<const char*> deutsch) {
    return zeilen([this](const std::string& d) { return host_.sprachText(d); }, deutsch);
}

// --- Start -------------------------------------------------------------------

Start MeasurementCycle::DateiTyp1Live() { return starten(1); }
Start MeasurementCycle::DateiTyp2Live() { return starten(2); }
Start MeasurementCycle::DateiTyp3Live() { return starten(3); }

const char* MeasurementCycle::startBefehl(int typ) {
    static constexpr const char* kBefehl[] = {"", "DO_MesAktuell", "DO_MesSchlechtimpuls", "DO_MesDrehschwebung"};
    return typ >= 1 && typ <= 3 ? kBefehl[typ] : "";
}

void MeasurementCycle::abbrechen(int typ) {
    if (typ >= 1 && typ <= 3)
        abgebrochen_[static_cast<std::size_t>(typ)] = true;
}
void MeasurementCycle::fortsetzen(int typ) {
    if (typ >= 1 && typ <= 3)
        abgebrochen_[static_cast<std::size_t>(typ)] = false;
}
bool MeasurementCycle::abgebrochen(int typ) const {
    return typ >= 1 && typ <= 3 && abgebrochen_[static_cast<std::size_t>(typ)];
}

Start MeasurementCycle::starten(int typ) {
    static constexpr const char* kRoutine[] = {"", "DateiTyp1Live", "DateiTyp2Live", "DateiTyp3Live"};
    host_.beschaeftigt(true);
    AbfrageZaehler = 0;
    // The oscillation is measured over one revolution.
    const kav::Aufruf a = geraetAufruf(link_, startBefehl(typ), typ == 3 ? "1" : "", "S");
    Start ergebnis = Start::Gestartet;
    if (a.fehler == Aufruffehler::NichtGelistet) {
        host_.debugLog(std::string(kRoutine[typ]) + " -> '" + startBefehl(typ) +
                       "' konnte nicht\r\nausgelesen werden.");
        ergebnis = Start::NichtGelistet;
    } else if (!a.ok()) {
        host_.meldung(typ == 2 ? text({"Schlechtimpulsmessung", "konnte nicht ausgeführt werden."})
                               : text({"Messung nicht möglich.", "Es ist Ein Fehler aufgetreten."}));
        ergebnis = Start::Abgelehnt;
    }
    host_.beschaeftigt(false);
    return ergebnis;
}

// --- Poll tick -----------------------------------------------------------------

namespace {
void leeren(AktuellWerte& w) { w = {}; }
void leeren(DrehschwebungWerte& w) { w = {}; }
void leeren(SchlechtimpulsWerte& w) {
    // The bad-pulse page keeps what the first report of a running measurement gave.
    SchlechtimpulsWerte frisch;
    frisch.Impulszahl = w.Impulszahl;
    frisch.Frequenz = w.Frequenz;
    w = frisch;
}
} // namespace

template <class Werte>
PollResult MeasurementCycle::tick(Werte& live, int typ) {
    leeren(live);
    PollResult r;
    if (abgebrochen(typ)) {
        r.ergebnis = PollOutcome::Dropped;
        return r;
    }
    Lesung l;
    if constexpr (std::is_same_v<Werte, AktuellWerte>)
        l = DateiTyp1Lesen(live);
    else if constexpr (std::is_same_v<Werte, SchlechtimpulsWerte>)
        l = DateiTyp2Lesen(live);
    else
        l = DateiTyp3Lesen(live);
    r.grund = l.grund;
    r.geberGelesen = l.geberGelesen;
    if (l.stand == Lesestand::Fehler) {
        r.ergebnis = PollOutcome::Failed;
    } else if (l.stand == Lesestand::Fertig) {
        r.ergebnis = PollOutcome::Finished;
    } else if (AbfrageZaehler >= kMaxPollAttempts) {
        host_.meldung(text({"Messung nicht möglich.", "Time out."}));
        r.ergebnis = PollOutcome::TimedOut;
        r.grund = Grund::Zeitueberschreitung;
    }
    return r;
}

PollResult MeasurementCycle::pollTick(AktuellWerte& live) { return tick(live, 1); }
PollResult MeasurementCycle::pollTick(SchlechtimpulsWerte& live) { return tick(live, 2); }
PollResult MeasurementCycle::pollTick(DrehschwebungWerte& live) { return tick(live, 3); }

// --- Readouts, common part ---------------------------------------------------------

template <class Werte>
Lesung MeasurementCycle::lesen(Werte& live, Quelle quelle, Lesung (MeasurementCycle::*teil)(Werte&, Quelle)) {
    host_.beschaeftigt(true);
    const Lesung l = (this->*teil)(live, quelle);
    if (l.stand != Lesestand::Fertig && AbfrageZaehler < std::numeric_limits<std::int16_t>::max())
        ++AbfrageZaehler;
    host_.beschaeftigt(false);
    return l;
}

Lesung MeasurementCycle::DateiTyp1Lesen(AktuellWerte& live, Quelle quelle) {
    return lesen(live, quelle, &MeasurementCycle::aktuellLesen);
}
Lesung MeasurementCycle::DateiTyp2Lesen(SchlechtimpulsWerte& live, Quelle quelle) {
    return lesen(live, quelle, &MeasurementCycle::schlechtimpulsLesen);
}
Lesung MeasurementCycle::DateiTyp3Lesen(DrehschwebungWerte& live, Quelle quelle) {
    return lesen(live, quelle, &MeasurementCycle::drehschwebungLesen);
}

void MeasurementCycle::nichtGelesen(const char* routine, const char* was, const char* ende, bool immer) {
    const std::string zeile = std::string(routine) + " -> " + was + " konnte nicht\r\n" + ende;
    if (immer)
        host_.tagesLog(zeile);
    else
        host_.debugLog(zeile);
}

bool MeasurementCycle::bereit(const char* routine, int typ, int zweitesMaskenByte, Quelle quelle, Lesung& ende,
                              std::string& maske) {
    const kav::Aufruf update = geraetAufruf(link_, "RD_InfoUpdate", "", "S");
    if (update.fehler == Aufruffehler::NichtGelistet) {
        nichtGelesen(routine, "'RD_InfoUpdate'", "ausgelesen werden.", true);
        return false;
    }
    if (!update.ok()) {
        nichtGelesen(routine, "'RD_InfoUpdate'", "ausgefürt werden.", true);
        return false;
    }
    // Change report: byte 2 the status, byte 4 and the mode's own byte the mask.
    maske = AenderungsMaske(detail::antwortByte(update.roh, 4), detail::antwortByte(update.roh, zweitesMaskenByte));
    const std::string status = StatusBits(detail::antwortByte(update.roh, 2));

    if (link_.COM_GetStruktur("RD_Info").empty()) {
        nichtGelesen(routine, "'RD_Info'", "ausgelesen werden.", true);
        return false;
    }
    if (quelle == Quelle::Speicher)
        return true;
    if (status[0] != '1')
        return false; // no new result yet
    const kav::Aufruf zustand = wertLesen(link_, wert::Geraetestatus, "B");
    if (!zustand.ok()) {
        // The current values go on without the test. The other two wait for
        // the next tick: the bits of a failure word say nothing about the device.
        return typ == 1;
    }
    const std::string bits = StatusBits(detail::antwortByte(zustand.roh, 1));
    if (bits[0] == '1') {
        host_.meldung(text(
            {"Es ist ein Gerätefehler aufgetreten.", "Beenden Sie das Programm", "und starten Sie das Gerät neu."}));
        ende = {Lesestand::Fehler, Grund::Geraetefehler, false};
        return false;
    }
    if (bits[1] == '0') {
        host_.meldung(text({"Messung nicht möglich.", "KAV muss auf PC-Messung eingestellt sein."}));
        ende = {Lesestand::Fehler, Grund::NichtPcMessung, false};
        return false;
    }
    return !(typ != 1 && bits[2] == '1'); // types 2 and 3 wait while the device is busy
}

// Every failed value read counts as failed, whatever its type letter: the
// one device-call path judges the reply before decoding it. (The value loop
// used to compare the "S"-decoded text per type, against three words, against
// "ERROR" only, or against an "ERROR" prefix; that let a device error report
// through as a value, or took data that happened to spell "ERROR…" for a
// failure.)
bool MeasurementCycle::wert(const char* routine, int nummer, const char* typ, double& zahl) {
    const kav::Aufruf a = wertLesen(link_, nummer, typ);
    if (!a.ok()) {
        host_.meldung(text({"Messung", "konnte nicht ausgeführt werden."}));
        return false;
    }
    // The reply's bytes as hex digits: the raw reply already is that text.
    host_.debugLog(std::string(routine) + " -> &H" + a.roh);
    zahl = a.wert.toNumber();
    return true;
}

bool MeasurementCycle::wertText(const char* routine, int nummer, std::string& text) {
    const kav::Aufruf a = wertLesen(link_, nummer, "S");
    if (!a.ok()) {
        host_.meldung(this->text({"Messung", "konnte nicht ausgeführt werden."}));
        return false;
    }
    host_.debugLog(std::string(routine) + " -> &H" + a.roh);
    text = a.text;
    return true;
}

void MeasurementCycle::geberLesen(const char* routine, Quelle quelle, std::string& GeberSN, Lesung& lesung) {
    std::string seriennummer;
    if (!wertText(routine, wert::GeberSN, seriennummer))
        seriennummer.clear(); // never a failure word as a serial number
    if (quelle == Quelle::Speicher)
        return;
    GeberSN = seriennummer;
    lesung.geberGelesen = true;
}

} // namespace kav::measure
