#include "result_json.h"

#include "ansi_utf8.h"
#include "display_rules.h"

namespace kav::measure {

namespace {

using json::Json;

// The members are added in the order the output shows them.
class Objekt {
public:
    Objekt& roh(const std::string& name, Json wert) {
        j_[name] = std::move(wert);
        return *this;
    }
    Objekt& zahl(const std::string& name, long long v) { return roh(name, v); }
    Objekt& text(const std::string& name, std::string_view utf8) { return roh(name, std::string(utf8)); }
    Json ende() const { return j_.is_null() ? Json::object() : j_; }

private:
    Json j_;
};

template <class T, class F>
Json liste(const T& werte, F alsJson) {
    Json out = Json::array();
    for (const auto& w : werte)
        out.push_back(alsJson(w));
    return out;
}

std::string note(const PercentDisplay& p, const Translator& t) {
    if (p.frequenzZuHoch.value_or(false))
        return t("Frequenz zu hoch. Messung nicht möglich.");
    if (p.nichtVerfuegbar.value_or(false))
        return t("Nicht verfügbar.");
    return {};
}

Json ergebnis(int typ, std::string_view serial, Json werte, const Objekt& texte) {
    return Objekt()
        .zahl("type", typ)
        .text("encoder_serial", ansiToUtf8(serial))
        .roh("values", std::move(werte))
        .roh("texts", texte.ende())
        .ende();
}

Translator oder(const Translator& t) {
    return t ? t : Translator([](const std::string& d) { return d; });
}

} // namespace

Json resultObject(const AktuellWerte& w, std::string_view encoderSerial, const Translator& tIn) {
    const Translator t = oder(tIn);
    Json werte = valuesObject(w);
    const CurrentValuesDisplay d = currentValuesDisplay(w, ".", t);
    Objekt texte;
    auto prozent = [&](const PercentDisplay& p) { return d.anzeigen ? std::to_string(p.iValue) : std::string(); };
    texte.text("Impulszahl", d.impulszahl)
        .text("Drehzahl", d.drehzahl)
        .text("Frequenz", d.frequenz)
        .text("Versorgungsspannung", d.versorgungsspannung)
        .text("Stromaufnahme", d.stromaufnahme)
        .text("Symmetrie0", prozent(d.symmetrie0))
        .text("Symmetrie0_note", d.anzeigen ? note(d.symmetrie0, t) : "")
        .text("Symmetrie90", prozent(d.symmetrie90))
        .text("Symmetrie90_note", d.anzeigen ? note(d.symmetrie90, t) : "")
        .text("Phasenlage", prozent(d.phasenlage))
        .text("Phasenlage_note", d.anzeigen ? note(d.phasenlage, t) : "")
        .text("Spurfehler", d.spurfehlerText.value_or(""));
    return ergebnis(1, encoderSerial, std::move(werte), texte);
}

Json resultObject(const SchlechtimpulsWerte& w, std::string_view encoderSerial, const Translator& tIn) {
    const Translator t = oder(tIn);
    Json werte = valuesObject(w);
    const BadPulseDisplay d = badPulseDisplay(w, ".", t);
    auto texte5 = [&](auto feld) {
        return liste(d.eintraege, [&](const BadPulseEntry& e) { return Json(e.*feld); });
    };
    Objekt texte;
    texte.text("PosMaxNegativ", d.posMaxNegativ)
        .text("MaxNegativ", d.maxNegativ)
        .text("PosMaxPositiv", d.posMaxPositiv)
        .text("MaxPositiv", d.maxPositiv)
        .roh("AbwPos", texte5(&BadPulseEntry::positionText))
        .roh("AbwWert", texte5(&BadPulseEntry::abweichungText))
        .text("AnzahlAbweichungen", d.anzahlAbweichungen)
        .text("Impulszahl", d.impulszahl)
        .text("Drehzahl", d.drehzahl)
        .text("Frequenz", d.frequenz);
    return ergebnis(2, encoderSerial, std::move(werte), texte);
}

Json resultObject(const DrehschwebungWerte& w, std::string_view encoderSerial, const Translator& tIn) {
    const Translator t = oder(tIn);
    Json werte = valuesObject(w);
    const OscillationDisplay d = oscillationDisplay(w, ".", t);
    Objekt texte;
    texte.text("Impulszahl", d.impulszahl)
        .text("Drehzahl", d.drehzahl)
        .text("Frequenz", d.frequenz)
        .text("Umdrehungen", d.umdrehungen)
        .text("MinWert", d.minWert)
        .text("MaxWert", d.maxWert);
    return ergebnis(3, encoderSerial, std::move(werte), texte);
}


std::string resultJson(const AktuellWerte& w, std::string_view encoderSerial, const Translator& t) {
    return json::zeile(resultObject(w, encoderSerial, t));
}
std::string resultJson(const SchlechtimpulsWerte& w, std::string_view encoderSerial, const Translator& t) {
    return json::zeile(resultObject(w, encoderSerial, t));
}
std::string resultJson(const DrehschwebungWerte& w, std::string_view encoderSerial, const Translator& t) {
    return json::zeile(resultObject(w, encoderSerial, t));
}


} // namespace kav::measure
