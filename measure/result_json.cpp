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
    Objekt& kommazahl(const std::string& name, float v) { return roh(name, json::zahl(v)); }
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

Json ergebnis(int typ, std::string_view serial, const Objekt& werte, const Objekt& texte) {
    return Objekt()
        .zahl("type", typ)
        .text("encoder_serial", ansiToUtf8(serial))
        .roh("values", werte.ende())
        .roh("texts", texte.ende())
        .ende();
}

Translator oder(const Translator& t) {
    return t ? t : Translator([](const std::string& d) { return d; });
}

Objekt werteVon(const AktuellWerte& w) {
    Objekt werte;
    werte.zahl("Impulszahl", w.Impulszahl)
        .kommazahl("Drehzahl", w.Drehzahl)
        .zahl("Frequenz", w.Frequenz)
        .kommazahl("Versorgungsspannung", w.Versorgungsspannung)
        .zahl("Stromaufnahme", w.Stromaufnahme)
        .zahl("Symmetrie0", w.Symmetrie0)
        .zahl("Symmetrie90", w.Symmetrie90)
        .zahl("Phasenlage", w.Phasenlage)
        .zahl("Spurfehler", w.Spurfehler);
    return werte;
}

} // namespace

Json resultObject(const AktuellWerte& w, std::string_view encoderSerial, const Translator& tIn) {
    const Translator t = oder(tIn);
    const Objekt werte = werteVon(w);
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
    return ergebnis(1, encoderSerial, werte, texte);
}

namespace {

Objekt werteVon(const SchlechtimpulsWerte& w) {
    auto zahlen = [](const auto& a) { return liste(a, [](auto v) { return Json(static_cast<long long>(v)); }); };
    Objekt werte;
    werte.zahl("PosMaxNegativ", w.PosMaxNegativ)
        .zahl("MaxNegativ", w.MaxNegativ)
        .zahl("PosMaxPositiv", w.PosMaxPositiv)
        .zahl("MaxPositiv", w.MaxPositiv)
        .roh("AbwPos", zahlen(w.AbwPos))
        .roh("AbwWert", zahlen(w.AbwWert))
        .zahl("AnzahlAbweichungen", w.AnzahlAbweichungen)
        .zahl("Impulszahl", w.Impulszahl)
        .kommazahl("Drehzahl", w.Drehzahl)
        .zahl("Frequenz", w.Frequenz);
    return werte;
}

Objekt werteVon(const DrehschwebungWerte& w) {
    const std::vector<std::int16_t> samples = messwerte(w);
    Objekt werte;
    // Only what is held: the count and the text agree with `samples`.
    werte.text("Messdaten", std::string_view(w.Messdaten).substr(0, samples.size() * 4))
        .zahl("AnzahlMesswerte", static_cast<long long>(samples.size()))
        .zahl("Impulszahl", w.Impulszahl)
        .kommazahl("Drehzahl", w.Drehzahl)
        .zahl("Frequenz", w.Frequenz)
        .zahl("Umdrehungen", w.Umdrehungen)
        .zahl("MinWert", w.MinWert)
        .zahl("MaxWert", w.MaxWert)
        .roh("samples", liste(samples, [](std::int16_t v) { return Json(v); }));
    return werte;
}

} // namespace

Json resultObject(const SchlechtimpulsWerte& w, std::string_view encoderSerial, const Translator& tIn) {
    const Translator t = oder(tIn);
    const Objekt werte = werteVon(w);
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
    return ergebnis(2, encoderSerial, werte, texte);
}

Json resultObject(const DrehschwebungWerte& w, std::string_view encoderSerial, const Translator& tIn) {
    const Translator t = oder(tIn);
    const Objekt werte = werteVon(w);
    const OscillationDisplay d = oscillationDisplay(w, ".", t);
    Objekt texte;
    texte.text("Impulszahl", d.impulszahl)
        .text("Drehzahl", d.drehzahl)
        .text("Frequenz", d.frequenz)
        .text("Umdrehungen", d.umdrehungen)
        .text("MinWert", d.minWert)
        .text("MaxWert", d.maxWert);
    return ergebnis(3, encoderSerial, werte, texte);
}

Json valuesObject(const AktuellWerte& w) { return werteVon(w).ende(); }
Json valuesObject(const SchlechtimpulsWerte& w) { return werteVon(w).ende(); }
Json valuesObject(const DrehschwebungWerte& w) { return werteVon(w).ende(); }

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
