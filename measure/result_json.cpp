#include "result_json.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "ansi_utf8.h"
#include "display_rules.h"

namespace kav::measure {

std::string jsonText(std::string_view utf8) {
    std::string out = "\"";
    for (char ch : utf8) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04X", c);
                out += buf;
            } else {
                out += ch;
            }
        }
    }
    return out + "\"";
}

namespace {

// One JSON object built member by member.
class Objekt {
public:
    Objekt& roh(std::string_view name, const std::string& json) {
        out_ += out_.empty() ? "{" : ", ";
        out_ += jsonText(name) + ": " + json;
        return *this;
    }
    Objekt& zahl(std::string_view name, long long v) { return roh(name, std::to_string(v)); }
    Objekt& kommazahl(std::string_view name, float v) {
        if (!std::isfinite(v))
            return roh(name, "null");
        char buf[32];
        const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
        return roh(name, ec == std::errc{} ? std::string(buf, end) : std::string("null"));
    }
    Objekt& text(std::string_view name, std::string_view utf8) { return roh(name, jsonText(utf8)); }
    std::string ende() const { return out_.empty() ? "{}" : out_ + "}"; }

private:
    std::string out_;
};

template <class T, class F>
std::string liste(const T& werte, F alsJson) {
    std::string out = "[";
    for (const auto& w : werte)
        out += (out.size() > 1 ? ", " : "") + alsJson(w);
    return out + "]";
}

std::string note(const PercentDisplay& p, const Translator& t) {
    if (p.frequenzZuHoch.value_or(false))
        return t("Frequenz zu hoch. Messung nicht möglich.");
    if (p.nichtVerfuegbar.value_or(false))
        return t("Nicht verfügbar.");
    return {};
}

std::string ergebnis(int typ, std::string_view serial, const Objekt& werte, const Objekt& texte) {
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

} // namespace

std::string resultJson(const AktuellWerte& w, std::string_view encoderSerial, const Translator& tIn) {
    const Translator t = oder(tIn);
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

std::string resultJson(const SchlechtimpulsWerte& w, std::string_view encoderSerial, const Translator& tIn) {
    const Translator t = oder(tIn);
    auto zahlen = [](const auto& a) { return liste(a, [](auto v) { return std::to_string(v); }); };
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
    const BadPulseDisplay d = badPulseDisplay(w, ".", t);
    auto texte5 = [&](auto feld) {
        return liste(d.eintraege, [&](const BadPulseEntry& e) { return jsonText(e.*feld); });
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

std::string resultJson(const DrehschwebungWerte& w, std::string_view encoderSerial, const Translator& tIn) {
    const Translator t = oder(tIn);
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
        .roh("samples", liste(samples, [](std::int16_t v) { return std::to_string(v); }));
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

} // namespace kav::measure
