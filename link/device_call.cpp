#include "device_call.h"

#include "com_usb.h"
#include "frames.h"
#include "typed_values.h"

namespace kav {

std::string Aufruf::grund() const {
    switch (fehler) {
    case Aufruffehler::Keiner: return {};
    case Aufruffehler::NichtGelistet: return "not listed";
    case Aufruffehler::UngueltigeAnfrage: return anfrageGrund.empty() ? std::string("invalid request") : anfrageGrund;
    case Aufruffehler::Fehlerwort: return text.empty() ? std::string("no reply") : text;
    case Aufruffehler::Geraetefehler: return text;
    }
    return {};
}

Aufruffehler antwortPruefen(const std::string& roh) {
    // Judged on the reply as it came: a payload whose first byte is 2C is
    // data, while a device error report arrives as a plain text with ",".
    if (roh.empty() || roh == kHexERROR || roh == kHexERROR_CHK || roh == kHexERROR_INTERN)
        return Aufruffehler::Fehlerwort;
    if (roh.front() == ',')
        return Aufruffehler::Geraetefehler;
    return Aufruffehler::Keiner;
}

Aufruf anfrageAufruf(ComUSB& link, std::string anfrage, const std::string& typ) {
    Aufruf a;
    if (anfrage.empty()) {
        a.fehler = Aufruffehler::UngueltigeAnfrage;
        a.anfrageGrund = "no request can be built";
        return a;
    }
    const std::string gesendet = anfrage;
    const ComValue antwort = link.COM_Ausfuehren(anfrage);
    if (antwort.isEmpty()) {
        // A request that still holds a type letter or does not fit a frame is not sent.
        a.fehler = Aufruffehler::UngueltigeAnfrage;
        a.anfrageGrund = "no frame can be made of the request " + gesendet;
        return a;
    }
    a.roh = antwort.toText();
    a.text = COM_WertLesen(a.roh, "S").toText();
    a.fehler = antwortPruefen(a.roh);
    if (a.ok())
        a.wert = typ == "S" ? ComValue::fromText(a.text) : COM_WertLesen(a.roh, typ);
    return a;
}

Aufruf strukturAufruf(ComUSB& link, const std::string& struktur, const std::string& parameter, const std::string& typ) {
    if (struktur.empty()) {
        Aufruf a;
        a.fehler = Aufruffehler::NichtGelistet;
        return a;
    }
    std::string grund;
    std::string anfrage = anfrageAufbauen(struktur, parameter, grund);
    if (anfrage.empty()) {
        Aufruf a;
        a.fehler = Aufruffehler::UngueltigeAnfrage;
        a.anfrageGrund = grund.empty() ? "no request can be built" : grund;
        return a;
    }
    return anfrageAufruf(link, std::move(anfrage), typ);
}

Aufruf geraetAufruf(ComUSB& link, const std::string& name, const std::string& parameter, const std::string& typ) {
    return strukturAufruf(link, link.COM_GetStruktur(name), parameter, typ);
}

} // namespace kav
