#pragma once
// The module ComUSB: one object holds the link's state (handle, command list,
// info list, last reply type, the captured structure texts), so tests and
// tools can make fresh instances. What it calls out to is injected.
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "clock.h"
#include "com_value.h"
#include "frames.h"
#include "ft_api.h"
#include "typed_values.h"

namespace kav {

struct LinkHooks {
    // "Pump window messages once"; empty: nothing to pump.
    std::function<void()> pumpMessages;
    // Whether the communication log is switched on, and where its lines go
    // (one line per call, without line end).
    std::function<bool()> kommunAn;
    std::function<void(const std::string&)> kommunLog;
    // nullptr: SystemClock::instance().
    Clock* clock = nullptr;
    // Called once when the converter vanished during a transaction (the
    // link is closed by then); empty: nobody to tell.
    std::function<void()> linkLost;
};

struct BefehlsEintrag {
    std::string Name;
    std::string arr_Struktur_txt;
};

struct InfoEintrag {
    std::string Name;
    std::string Anfrage;
    std::string Wert;
    // The type letter the value was decoded with.
    std::string Typ;
};

inline constexpr char PCVers[] = "KA010000";

class ComUSB;
struct Aufruf;
Aufruf anfrageAufruf(ComUSB& link, std::string anfrage, const std::string& typ);

// The only commands the program knows by code: reading its command list.
std::string COM_HexBereinigen(std::string& text);

class ComUSB {
public:
    explicit ComUSB(ft::FtApi& ft, LinkHooks hooks = {});

    // USB link
    std::uint8_t COM_USBOeffnen(std::string& diagnose);
    std::uint8_t COM_USBSchliessen();

    // Command list
    std::uint8_t COM_READBefehlsliste(std::string& meldung);
    std::string COM_GetStruktur(const std::string& name) const;

    ft::FtApi& ftApi() { return ft_; }
    LinkHooks& hooks() { return hooks_; }
    Clock& clock() const;
    // Whether COM_USBOeffnen left the link open and no close followed.
    bool isOpen() const { return offen_; }
    // Whether the converter vanished (unplugged, its driver gone) since the
    // last open; the link was closed when that was noticed.
    bool linkLost() const { return verloren_; }
    // Entries read at the last list read: Befehlsliste 1..commandCount,
    // InfoListe 0..infoCount-1.
    int commandCount() const { return befehlsAnzahl_; }
    int infoCount() const { return infoAnzahl_; }

    // The lists as the last connection read them (index 0 never filled).
    const std::array<BefehlsEintrag, 81>& befehlsliste() const { return Befehlsliste; }
    const std::array<InfoEintrag, 81>& infoListe() const { return InfoListe; }

    ft::FT_HANDLE USBHandle = nullptr;
    std::string DatFormat;
    std::string StrukturRDInfoText;
    std::string StrukturRDInfo;
    std::string StrukturWRPCVers;

private:
    // Only the device-call path executes requests, so no caller can skip its
    // failure test.
    friend Aufruf anfrageAufruf(ComUSB& link, std::string anfrage, const std::string& typ);

    // Frame transaction and command execution
    std::string COM_SendenEmpfangen(const std::string& anfrageHex);
    ComValue COM_Ausfuehren(std::string& anfrage);

    void pump();
    // A D2XX status that says the converter is gone.
    static bool istVerlust(ft::FT_STATUS status);
    // Closes the link after the converter vanished and tells the hook.
    void verbindungVerloren();
    // Reads entry i's name and structure; 0 stored, 1 end of the list, 2 unusable entry.
    int eintragLesen(int i);

    ft::FtApi& ft_;
    LinkHooks hooks_;
    std::array<BefehlsEintrag, 81> Befehlsliste{};
    std::array<InfoEintrag, 81> InfoListe{};
    bool offen_ = false;
    bool verloren_ = false;
    bool oeffnet_ = false;
    // The last attempt did not end on a whole, good reply: what the
    // converter holds may be the rest of it or a late reply.
    bool empfangUnsauber_ = false;
    // The last transaction ended without a whole, good reply.
    bool letzteOhneAntwort_ = false;
    int befehlsAnzahl_ = 0;
    int infoAnzahl_ = 0;
};

} // namespace kav
