// The writers of the record file and its mth variant.
#include <optional>

#include "com_value.h"
#include "number_text.h"
#include "record_file.h"
#include "typed_values.h"

namespace kav::records {

namespace {

// A date or time part as one character, written as its two hex digits.
std::optional<std::string> datumsByte(int wert) {
    if (wert < 0 || wert > 255)
        return std::nullopt;
    return COM_Text2Hex(std::string(1, static_cast<char>(wert)));
}

// The 51 characters of the `Dateikopf`: "KAV", texts, date, time, type and the reserved byte.
Dateiinhalt kopfBauen(const KopfTexte& kopf, const LocalTime& zeit, int typ) {
    Dateiinhalt d;
    std::string s = "KAV" + rechtsbuendig(kopf.firmware, 8) + rechtsbuendig(kopf.geberSN, 8) +
                    rechtsbuendig(kopf.geraetSN, 6) + rechtsbuendig(kopf.name, 10);
    for (int teil : {zeit.year - 2000, zeit.month, zeit.day, zeit.hour, zeit.minute, zeit.second}) {
        const auto hex = datumsByte(teil);
        if (!hex) {
            d.fehler = Schreibfehler::DatumBereich;
            return d;
        }
        s += *hex;
    }
    s += COM_HexFix(typ, 1);
    s += "00";
    d.bytes = std::move(s);
    return d;
}

// Fixed point 16.16 as 8 hex digits; nullopt outside the signed 32-bit range.
std::optional<std::string> festkomma(float wert) {
    std::string hex = COM_Q2Hex(wert);
    if (hex.empty())
        return std::nullopt;
    return hex;
}

bool istHex(char c) { return detail::hexDigitValue(c) >= 0; }

// The samples a type-3 record holds: exactly AnzahlMesswerte groups of four hex digits.
std::optional<std::string_view> messdaten(const measure::DrehschwebungWerte& w) {
    if (w.AnzahlMesswerte < 0)
        return std::nullopt;
    const std::size_t n = static_cast<std::size_t>(w.AnzahlMesswerte) * 4;
    if (w.Messdaten.size() < n)
        return std::nullopt;
    const std::string_view m(w.Messdaten.data(), n);
    for (char c : m)
        if (!istHex(c))
            return std::nullopt;
    return m;
}

Dateiinhalt fehler(Schreibfehler f) {
    Dateiinhalt d;
    d.fehler = f;
    return d;
}

// What every writer checks first, and the header it starts with. Each record
// type has a speed in fixed point.
template <typename Werte>
Dateiinhalt anfang(const Werte& w, const KopfTexte& kopf, const LocalTime& zeit, int typ, bool datenPruefen = true) {
    if (datenPruefen && !measure::hatDaten(w))
        return fehler(Schreibfehler::KeineDaten);
    Dateiinhalt d = kopfBauen(kopf, zeit, typ);
    if (d.ok() && !festkomma(w.Drehzahl))
        return fehler(Schreibfehler::FestkommaBereich);
    return d;
}

} // namespace

std::string rechtsbuendig(std::string_view text, std::size_t breite) {
    if (text.size() >= breite)
        return std::string(text.substr(text.size() - breite));
    return std::string(breite - text.size(), ' ') + std::string(text);
}

Dateiinhalt DateiSchreiben1(const measure::AktuellWerte& w, const KopfTexte& kopf, const LocalTime& zeit) {
    Dateiinhalt d = anfang(w, kopf, zeit, 1);
    if (!d.ok())
        return d;
    const auto spannung = festkomma(w.Versorgungsspannung);
    if (!spannung)
        return fehler(Schreibfehler::FestkommaBereich);
    d.bytes.reserve(kLaengeTyp1);
    d.bytes += COM_HexFix(w.Impulszahl, 4);
    d.bytes += *festkomma(w.Drehzahl);
    d.bytes += COM_HexFix(w.Frequenz, 4);
    d.bytes += *spannung;
    d.bytes += COM_HexFix(w.Stromaufnahme, 2);
    d.bytes += COM_HexFix(w.Symmetrie0, 1);
    d.bytes += COM_HexFix(w.Symmetrie90, 1);
    d.bytes += COM_HexFix(w.Phasenlage, 1);
    d.bytes += COM_HexFix(w.Spurfehler, 1);
    return d;
}

Dateiinhalt DateiSchreiben2(const measure::SchlechtimpulsWerte& w, const KopfTexte& kopf, const LocalTime& zeit,
                            bool ohneAbweichungen) {
    Dateiinhalt d = anfang(w, kopf, zeit, 2, !ohneAbweichungen);
    if (!d.ok())
        return d;
    d.bytes.reserve(kLaengeTyp2);
    d.bytes += *festkomma(w.Drehzahl);
    d.bytes += COM_HexFix(w.Impulszahl, 4);
    d.bytes += COM_HexFix(w.AnzahlAbweichungen, 4);
    d.bytes += COM_HexFix(w.PosMaxPositiv, 4);
    d.bytes += COM_HexFix(w.MaxPositiv, 1);
    d.bytes += COM_HexFix(w.PosMaxNegativ, 4);
    d.bytes += COM_HexFix(w.MaxNegativ, 1);
    for (std::size_t k = 0; k < w.AbwPos.size(); ++k) {
        d.bytes += COM_HexFix(w.AbwPos[k], 4);
        d.bytes += COM_HexFix(w.AbwWert[k], 1);
    }
    return d;
}

Dateiinhalt DateiSchreiben3(const measure::DrehschwebungWerte& w, const KopfTexte& kopf, const LocalTime& zeit) {
    Dateiinhalt d = anfang(w, kopf, zeit, 3);
    if (!d.ok())
        return d;
    const auto proben = messdaten(w);
    if (!proben)
        return fehler(Schreibfehler::Messdaten);
    d.bytes.reserve(kLaengeTyp3OhneMessdaten + proben->size());
    d.bytes += COM_HexFix(w.Impulszahl, 4);
    d.bytes += *festkomma(w.Drehzahl);
    d.bytes += COM_HexFix(w.Frequenz, 4);
    d.bytes += COM_HexFix(w.Umdrehungen, 1);
    d.bytes += COM_HexFix(w.MinWert, 2);
    d.bytes += COM_HexFix(w.MaxWert, 2);
    d.bytes += COM_HexFix(w.AnzahlMesswerte, 2);
    d.bytes += *proben;
    return d;
}

Dateiinhalt DateiSchreiben3Mth(const measure::DrehschwebungWerte& w, const KopfTexte& kopf, const LocalTime& zeit,
                               char dezimalTrenner) {
    // The same checks as the ".kav" writer, so both refuse the same records.
    const Dateiinhalt pruefung = anfang(w, kopf, zeit, 3);
    if (!pruefung.ok())
        return pruefung;
    const auto proben = messdaten(w);
    if (!proben)
        return fehler(Schreibfehler::Messdaten);

    auto zweistellig = [](int v) { return std::string(v < 10 ? "0" : "") + std::to_string(v); };
    std::string drehzahl = ComValue::fromSingle(w.Drehzahl).toText();
    for (char& c : drehzahl)
        if (c == '.')
            c = dezimalTrenner;

    Dateiinhalt d;
    std::string& s = d.bytes;
    s.reserve(100 + proben->size() / 2);
    s = pruefung.bytes.substr(0, 35) + "\r\n";
    s += std::to_string(zeit.year) + "." + zweistellig(zeit.month) + "." + zweistellig(zeit.day) + " - " +
         zweistellig(zeit.hour) + ":" + zweistellig(zeit.minute) + ":" + zweistellig(zeit.second) + "\r\n";
    s += std::to_string(w.Impulszahl) + " " + drehzahl + " " + std::to_string(w.Frequenz) + " " +
         std::to_string(w.Umdrehungen) + " " + std::to_string(w.MinWert) + " " + std::to_string(w.MaxWert) + " " +
         std::to_string(w.AnzahlMesswerte);
    // Each sample's two bytes in the order the device sent them: low byte first.
    auto wert = [](char c) { return detail::hexDigitValue(c); };
    for (std::size_t i = 0; i < proben->size(); i += 2)
        s += static_cast<char>(wert((*proben)[i]) * 16 + wert((*proben)[i + 1]));
    return d;
}

std::string mthDateiname(const std::string& dateiname) {
    return dateiname.substr(0, dateiname.size() >= 3 ? dateiname.size() - 3 : 0) + "mth";
}

} // namespace kav::records
