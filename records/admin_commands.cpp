#include "admin_commands.h"

#include "com_usb.h"
#include "device_status.h"
#include "device_call.h"
#include "record_texts.h"

namespace kav::records {

AdminAblauf AdminBefehl(ComUSB* link, int index, bool verbunden, const std::function<std::string()>& eingabe,
                        const std::function<bool()>& bestaetigen) {
    AdminAblauf a;
    if (index != 0 && index != 1)
        return a;
    const std::string befehl = index == 0 ? "WR_MaschNr" : "DO_FormatMem";
    if (!verbunden || !link)
        return a;
    if (link->COM_GetStruktur("RD_Info").empty()) {
        a.log.push_back({true, "Administrator -> '" + befehl + "' konnte nicht gefunden werden."});
        return a;
    }
    const Geraetestatus status = statusLesen(*link);
    if (!status.ok())
        return a;
    if (status.messmodus) {
        a.messmodus = true;
        return a;
    }
    const std::string struktur = link->COM_GetStruktur(befehl);
    if (struktur.empty()) {
        a.log.push_back({true, "Administrator -> '" + befehl + "' konnte nicht ausgefuert werden."});
        return a;
    }
    std::string parameter;
    if (index == 0) {
        a.eingabeGefragt = true;
        parameter = eingabe ? eingabe() : std::string();
        if (parameter.empty()) {
            a.abgebrochen = true;
            return a;
        }
    } else if (!bestaetigen || !bestaetigen()) {
        a.abgebrochen = true;
        return a;
    }
    a.erfolg = strukturAufruf(*link, struktur, parameter).ok();
    if (a.erfolg) {
        const Aufruf sn = wertLesen(*link, wert::GeraetSN, "S");
        if (sn.ok())
            a.geraetSN = sn.text;
    }
    return a;
}

Meldung formatierenFrage(std::string_view sprache) {
    return {T("Alle Datensätze im KAV100 werden gelöscht.", sprache) + kCrLf +
                T("Soll der Speicher formatiert werden?", sprache),
            T("Speicher formatieren?", sprache), Meldung::Symbol::Ausrufezeichen};
}

Meldung adminErgebnisMeldung(bool erfolg) {
    if (erfolg)
        return {"Die Operation wurde ausgeführt.", "Erfolg", Meldung::Symbol::Information};
    return {"Bei der Ausführung gab's Problemen.", "Kein Erfolg", Meldung::Symbol::Stopp};
}

} // namespace kav::records
