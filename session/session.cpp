#include "session.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace kav::session {

Seite messSeite(int typ) {
    switch (typ) {
    case 1: return Seite::Aktuell;
    case 2: return Seite::Schlechtimpulse;
    case 3: return Seite::Drehschwebung;
    default: throw std::out_of_range("result type " + std::to_string(typ));
    }
}

int messTyp(Seite s) {
    switch (s) {
    case Seite::Aktuell: return 1;
    case Seite::Schlechtimpulse: return 2;
    case Seite::Drehschwebung: return 3;
    default: return 0;
    }
}

bool gespeicherteSeite(Seite s) { return s == Seite::DatenVomGeraet || s == Seite::DatenVomComputer; }

int Session::anmelden(Beobachter b) {
    const int nummer = naechsteNummer_++;
    beobachter_.push_back({nummer, std::move(b)});
    return nummer;
}

void Session::abmelden(int nummer) {
    std::erase_if(beobachter_, [nummer](const Eintrag& e) { return e.nummer == nummer; });
}

void Session::melden(Aenderung a) {
    // A copy: an observer may sign itself off.
    const std::vector<Eintrag> jetzt = beobachter_;
    for (const Eintrag& e : jetzt)
        e.beobachter(a);
}

Session::Messung& Session::messung(int typ) {
    if (typ < 1 || typ > 3)
        throw std::out_of_range("result type " + std::to_string(typ));
    return messungen_[static_cast<std::size_t>(typ - 1)];
}

const Session::Messung& Session::messung(int typ) const { return const_cast<Session*>(this)->messung(typ); }

void Session::ruhen() {
    for (Messung& m : messungen_)
        m.phase = MessPhase::Ruhe;
    angezeigt_ = 0;
}

void Session::verbindungHergestellt(Identitaet id) {
    verbunden_ = true;
    identitaet_ = std::move(id);
    melden(Aenderung::Verbindung);
    melden(Aenderung::Identitaet);
    setSeite(Seite::Start);
}

void Session::verbindungGetrennt() {
    verbunden_ = false;
    identitaet_ = {};
    geber_.clear();
    melden(Aenderung::Verbindung);
    melden(Aenderung::Identitaet);
    melden(Aenderung::Geber);
    seite_ = Seite::Verbindung;
    ruhen();
    melden(Aenderung::Seite);
    melden(Aenderung::Messung);
}

void Session::setGeberSeriennummer(std::string ansiText) {
    if (geber_ == ansiText)
        return;
    geber_ = std::move(ansiText);
    melden(Aenderung::Geber);
}

void Session::setBeschaeftigt(bool an) {
    if (beschaeftigt_ == an)
        return;
    beschaeftigt_ = an;
    melden(Aenderung::Beschaeftigt);
}

void Session::setSeite(Seite s) {
    if (seite_ == s)
        return;
    seite_ = s;
    ruhen();
    melden(Aenderung::Seite);
    melden(Aenderung::Messung);
}

MessPhase Session::phase(int typ) const { return messung(typ).phase; }
bool Session::dauerlesen(int typ) const { return messung(typ).dauerlesen; }

void Session::messungGestartet(int typ) {
    messung(typ).phase = MessPhase::Gestartet;
    melden(Aenderung::Messung);
}

void Session::auslesenBegonnen(int typ) {
    messung(typ).phase = MessPhase::Liest;
    melden(Aenderung::Messung);
}

void Session::ergebnisAngezeigt(int typ) {
    switch (typ) {
    case 1: aktuell_.gespeichert = aktuell_.live; break;
    case 2: schlechtimpulse_.gespeichert = schlechtimpulse_.live; break;
    case 3: drehschwebung_.gespeichert = drehschwebung_.live; break;
    default: throw std::out_of_range("result type " + std::to_string(typ));
    }
    messung(typ).phase = MessPhase::Ruhe;
    angezeigt_ = typ;
    melden(Aenderung::Messung);
}

void Session::messungFehlgeschlagen(int typ) {
    Messung& m = messung(typ);
    m.phase = MessPhase::Ruhe;
    m.dauerlesen = false;
    if (angezeigt_ == typ)
        angezeigt_ = 0;
    melden(Aenderung::Messung);
}

void Session::messungAbgelaufen(int typ) {
    Messung& m = messung(typ);
    m.phase = MessPhase::Abgelaufen;
    m.dauerlesen = false;
    melden(Aenderung::Messung);
}

void Session::setDauerlesen(int typ, bool an) {
    if (typ == 2)
        throw std::invalid_argument("bad pulses are always a single measurement");
    Messung& m = messung(typ);
    m.dauerlesen = an;
    if (!an && m.phase != MessPhase::Abgelaufen)
        m.phase = MessPhase::Ruhe;
    melden(Aenderung::Messung);
}

void Session::ergebnisLoeschen(int typ) {
    switch (typ) {
    case 1: aktuell_.gespeichert = {}; break;
    case 2: schlechtimpulse_.gespeichert = {}; break;
    case 3: drehschwebung_.gespeichert = {}; break;
    default: throw std::out_of_range("result type " + std::to_string(typ));
    }
    if (angezeigt_ == typ)
        angezeigt_ = 0;
    melden(Aenderung::Messung);
}

void Session::anzeigeLeeren() {
    if (angezeigt_ == 0)
        return;
    angezeigt_ = 0;
    melden(Aenderung::Messung);
}

bool Session::gespeichertHatDaten(int typ) const {
    switch (typ) {
    case 1: return measure::hatDaten(aktuell_.gespeichert);
    case 2: return measure::hatDaten(schlechtimpulse_.gespeichert);
    case 3: return measure::hatDaten(drehschwebung_.gespeichert);
    default: return false;
    }
}

bool Session::druckenAktiv() const {
    if (angezeigt_ == 0)
        return false;
    const Messung& m = messung(angezeigt_);
    if (m.phase == MessPhase::Liest)
        return false;
    if (angezeigt_ == 2 || gespeicherteSeite(seite_))
        return true;
    return !m.dauerlesen;
}

bool Session::datenSpeichernAktiv(int typ) const {
    const Messung& m = messung(typ);
    if (seite_ != messSeite(typ) || angezeigt_ != typ || m.dauerlesen)
        return false;
    return m.phase == MessPhase::Ruhe || (typ == 1 && m.phase == MessPhase::Gestartet);
}

} // namespace kav::session
