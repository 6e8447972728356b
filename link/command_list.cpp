// The device's command list, the version handshake, the info list, and the
// execution of a request.
#include <cstdio>

#include "com_usb.h"
#include "device_call.h"
#include "number_text.h"

namespace kav {

namespace {

const char kMeldungStruktur[] = "Interner Fehler: COM_READBefehlsliste -> arr_Struktur_txt$ nicht gesetzt";
const char kMeldungInfoText[] = "Interner Fehler: COM_READBefehlsliste -> RD_InfoText$ nicht gesetzt";
const char kMeldungPCVersFehlt[] = "Interner Fehler: COM_READBefehlsliste 'WR_PCVers' nicht vorhanden.";
const char kMeldungPCVersNichts[] = "Interner Fehler: COM_READBefehlsliste 'WR_PCVers' = nichts.";

bool gleichOhneGross(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (detail::lowerChar(a[i]) != detail::lowerChar(b[i]))
            return false;
    return true;
}

} // namespace

std::string COM_HexBereinigen(std::string& text) {
    std::erase(text, ' ');
    if (text.size() >= 2 && text.size() % 2 == 0)
        return text;
    return {};
}

ComValue ComUSB::COM_Ausfuehren(std::string& anfrage) {
    const std::string bereinigt = COM_HexBereinigen(anfrage);
    // A request that still holds a type letter, or does not fit one frame, is invalid.
    if (bereinigt.empty() || bereinigt.size() / 2 > 255 || !detail::isHexText(bereinigt))
        return {};
    return ComValue::fromText(COM_SendenEmpfangen(bereinigt));
}

std::string ComUSB::COM_GetStruktur(const std::string& name) const {
    if (name.empty())
        return {};
    for (std::size_t i = 1; i < Befehlsliste.size(); ++i)
        if (gleichOhneGross(Befehlsliste[i].Name, name))
            return Befehlsliste[i].arr_Struktur_txt;
    return {};
}

int ComUSB::eintragLesen(int i) {
    const std::string ii = detail::hexDigits(static_cast<unsigned>(i), 2);
    const std::string name = anfrageAufruf(*this, "0301" + ii + "00").text;
    if (name == "EndofTab" || name == "ERROR")
        return 1;
    auto& eintrag = Befehlsliste[static_cast<std::size_t>(i)];
    eintrag.Name = name;
    const std::string struktur = anfrageAufruf(*this, "0301" + ii + "01").text;
    if (struktur == "ERROR")
        return 1;
    eintrag.arr_Struktur_txt = struktur;
    // A name or structure that is a failure word or device error text is a
    // failed query, not a command: the list is incomplete.
    if (name.empty() || istFehlerwert(name) || (!struktur.empty() && istFehlerwert(struktur)))
        return 2;
    befehlsAnzahl_ = i;
    return 0;
}

std::uint8_t ComUSB::COM_READBefehlsliste(std::string& meldung) {
    // A new list replaces the old one entirely: a command of an earlier
    // device must not be found after a shorter list.
    Befehlsliste = {};
    InfoListe = {};
    StrukturRDInfoText.clear();
    StrukturRDInfo.clear();
    StrukturWRPCVers.clear();
    befehlsAnzahl_ = 0;
    infoAnzahl_ = 0;

    for (int i = 1; i <= 9; ++i) {
        const int r = eintragLesen(i);
        if (r == 1)
            break;
        if (r == 2) {
            meldung += std::string(kMeldungStruktur) + "\r\n";
            return 1;
        }
        const auto& eintrag = Befehlsliste[static_cast<std::size_t>(i)];
        if (eintrag.Name == "RD_InfoText")
            StrukturRDInfoText = eintrag.arr_Struktur_txt;
        else if (eintrag.Name == "RD_Info")
            StrukturRDInfo = eintrag.arr_Struktur_txt;
        else if (eintrag.Name == "WR_PCVers")
            StrukturWRPCVers = eintrag.arr_Struktur_txt;
    }
    if (StrukturRDInfoText.empty()) {
        meldung += std::string(kMeldungInfoText) + "\r\n";
        return 1;
    }
    if (StrukturWRPCVers.empty()) {
        meldung += std::string(kMeldungPCVersFehlt) + "\r\n";
        return 1;
    }
    if (strukturAufruf(*this, StrukturWRPCVers, PCVers).text != "OK") {
        meldung += std::string(kMeldungPCVersNichts) + "\r\n";
        return 2;
    }
    pump();

    for (int i = 10; i <= 80; ++i) {
        const int r = eintragLesen(i);
        if (r == 1)
            break;
        if (r == 2) {
            meldung += std::string(kMeldungStruktur) + "\r\n";
            return 1;
        }
    }

    for (int j = 0; j <= 80; ++j) {
        char jj[8];
        std::snprintf(jj, sizeof jj, "%02d", j);
        const Aufruf name = strukturAufruf(*this, StrukturRDInfoText, std::string(jj) + "|00");
        // A failed query ends the info list the same way as its end mark.
        if (!name.ok() || name.text == "EndofTab")
            return 0;
        const std::string typ = strukturAufruf(*this, StrukturRDInfoText, std::string(jj) + "|01").text;
        const Aufruf wert = strukturAufruf(*this, StrukturRDInfo, jj, typ);
        auto& eintrag = InfoListe[static_cast<std::size_t>(j)];
        eintrag.Name = name.text;
        eintrag.Anfrage = COM_BefehlAufbauen(StrukturRDInfo, jj);
        eintrag.Typ = typ;
        // A failed read keeps its failure text, never a number decoded from it.
        eintrag.Wert = wert.ok() ? wert.wert.toText() : wert.text;
        infoAnzahl_ = j + 1;
        pump();
    }
    return 0;
}

} // namespace kav
