// The reader of the record file: magic and reserved-byte test, header, and the
// data of types 1 to 3, each field checked for presence and hex digits.
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "number_text.h"
#include "record_file.h"

namespace kav::records {

namespace {

int hexWert(char c) { return detail::hexDigitValue(c); }

// The data of a type, when every field converted.
template <typename Werte>
bool setzen(Leseergebnis& r, std::optional<Werte> w) {
    if (!w)
        return false;
    r.daten = std::move(*w);
    return true;
}

// Characters from the 1-based position `von` on, as many as there are (at most `anzahl`).
std::string_view teil(std::string_view s, std::size_t von, std::size_t anzahl) {
    if (von - 1 >= s.size())
        return {};
    return s.substr(von - 1, anzahl);
}

std::string_view trimmen(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

// The hex field at a 1-based position: all `breite` characters present and hex.
std::optional<std::uint32_t> feld(std::string_view s, std::size_t von, std::size_t breite) {
    const std::string_view f = teil(s, von, breite);
    if (f.size() != breite)
        return std::nullopt;
    std::uint32_t v = 0;
    for (char c : f) {
        const int d = hexWert(c);
        if (d < 0)
            return std::nullopt;
        v = v * 16 + static_cast<std::uint32_t>(d);
    }
    return v;
}

// The value of the hex digits present (the magic and type tests count missing
// characters as 0); nullopt when a present character is not a hex digit.
std::optional<int> kurzerWert(std::string_view s, std::size_t von) {
    int v = 0;
    for (char c : teil(s, von, 2)) {
        const int d = hexWert(c);
        if (d < 0)
            return std::nullopt;
        v = v * 16 + d;
    }
    return v;
}

// Reads fields one after another; the first that does not convert spoils the rest.
class Felder {
public:
    explicit Felder(std::string_view s) : s_(s) {}
    bool ok() const { return ok_; }
    std::int32_t i32(std::size_t von) { return static_cast<std::int32_t>(lesen(von, 8)); }
    std::int16_t i16(std::size_t von) { return static_cast<std::int16_t>(static_cast<std::uint16_t>(lesen(von, 4))); }
    std::uint8_t u8(std::size_t von) { return static_cast<std::uint8_t>(lesen(von, 2)); }
    float q16(std::size_t von) { return static_cast<float>(static_cast<double>(i32(von)) / 65536.0); }

private:
    std::uint32_t lesen(std::size_t von, std::size_t breite) {
        const auto v = feld(s_, von, breite);
        if (!v)
            ok_ = false;
        return v.value_or(0);
    }
    std::string_view s_;
    bool ok_ = true;
};

std::optional<measure::AktuellWerte> typ1(std::string_view s) {
    Felder f(s);
    measure::AktuellWerte w;
    w.Impulszahl = f.i32(52);
    w.Drehzahl = f.q16(60);
    w.Frequenz = f.i32(68);
    w.Versorgungsspannung = f.q16(76);
    w.Stromaufnahme = f.i16(84);
    w.Symmetrie0 = f.u8(88);
    w.Symmetrie90 = f.u8(90);
    w.Phasenlage = f.u8(92);
    w.Spurfehler = f.u8(94);
    return f.ok() ? std::optional(w) : std::nullopt;
}

// A type-2 file holds no frequency: it follows from the speed and the pulse
// number, as the device computes it (Drehzahl x Impulszahl / 60, rounded).
// Another measurement's frequency must never stand beside this file's speed.
std::int32_t frequenzAus(float drehzahl, std::int32_t impulszahl) {
    const double f = std::round(static_cast<double>(drehzahl) * impulszahl / 60.0);
    if (!(f > std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    if (f >= std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(f);
}

std::optional<measure::SchlechtimpulsWerte> typ2(std::string_view s) {
    Felder f(s);
    measure::SchlechtimpulsWerte w;
    w.Drehzahl = f.q16(52);
    w.Impulszahl = f.i32(60);
    w.AnzahlAbweichungen = f.i32(68);
    w.PosMaxPositiv = f.i32(76);
    w.MaxPositiv = f.u8(84);
    w.PosMaxNegativ = f.i32(86);
    w.MaxNegativ = f.u8(94);
    for (std::size_t k = 0; k < w.AbwPos.size(); ++k) {
        w.AbwPos[k] = f.i32(96 + 10 * k);
        w.AbwWert[k] = f.u8(104 + 10 * k);
    }
    w.Frequenz = frequenzAus(w.Drehzahl, w.Impulszahl);
    return f.ok() ? std::optional(w) : std::nullopt;
}

std::optional<measure::DrehschwebungWerte> typ3(std::string_view s) {
    Felder f(s);
    measure::DrehschwebungWerte w;
    w.Impulszahl = f.i32(52);
    w.Drehzahl = f.q16(60);
    w.Frequenz = f.i32(68);
    w.Umdrehungen = f.u8(76);
    w.MinWert = f.i16(78);
    w.MaxWert = f.i16(82);
    w.AnzahlMesswerte = f.i16(86);
    if (!f.ok() || w.AnzahlMesswerte < 0)
        return std::nullopt;
    // Every declared sample must be there and be four hex digits.
    const std::size_t laenge = static_cast<std::size_t>(w.AnzahlMesswerte) * 4;
    const std::string_view proben = teil(s, 90, laenge);
    if (proben.size() != laenge)
        return std::nullopt;
    for (char c : proben)
        if (hexWert(c) < 0)
            return std::nullopt;
    w.Messdaten.assign(proben);
    return w;
}

} // namespace

Leseergebnis DateiLesen(std::string_view s) {
    Leseergebnis r;
    const auto reserviert = kurzerWert(s, 50);
    if (teil(s, 1, 3) != "KAV" || reserviert.value_or(1) != 0) {
        r.fehler = Lesefehler::KeineKavDatei;
        return r;
    }
    r.kopf.firmware = trimmen(teil(s, 4, 8));
    r.kopf.geberSN = trimmen(teil(s, 12, 8));
    r.kopf.geraetSN = trimmen(teil(s, 20, 6));
    r.kopf.name = trimmen(teil(s, 26, 10));
    r.kopfWieGespeichert = {std::string(teil(s, 4, 8)), std::string(teil(s, 12, 8)), std::string(teil(s, 20, 6)),
                            std::string(teil(s, 26, 10))};

    Felder datum(s);
    LocalTime t;
    t.year = 2000 + datum.u8(36);
    t.month = datum.u8(38);
    t.day = datum.u8(40);
    t.hour = datum.u8(42);
    t.minute = datum.u8(44);
    t.second = datum.u8(46);
    if (!datum.ok()) {
        r.fehler = Lesefehler::Verarbeitungsfehler;
        return r;
    }
    r.zeit = t;
    r.datumGelesen = true;

    const auto typ = kurzerWert(s, 48);
    if (!typ) {
        r.fehler = Lesefehler::Verarbeitungsfehler;
        return r;
    }
    r.typ = *typ;
    bool gelesen = true;
    switch (r.typ) {
    case 1: gelesen = setzen(r, typ1(s)); break;
    case 2: gelesen = setzen(r, typ2(s)); break;
    case 3: gelesen = setzen(r, typ3(s)); break;
    default: break; // another type: the header only
    }
    if (!gelesen)
        r.fehler = Lesefehler::Verarbeitungsfehler;
    return r;
}

int inLiveRecord(const Leseergebnis& gelesen, measure::AktuellWerte& typ1, measure::SchlechtimpulsWerte& typ2,
                 measure::DrehschwebungWerte& typ3) {
    if (!gelesen.ok())
        return 0;
    if (const auto* w = std::get_if<measure::AktuellWerte>(&gelesen.daten)) {
        typ1 = *w;
        typ1.GeberSN = gelesen.kopf.geberSN;
        return 1;
    }
    if (const auto* w = std::get_if<measure::SchlechtimpulsWerte>(&gelesen.daten)) {
        typ2 = *w;
        typ2.GeberSN = gelesen.kopf.geberSN;
        return 2;
    }
    if (const auto* w = std::get_if<measure::DrehschwebungWerte>(&gelesen.daten)) {
        typ3 = *w;
        typ3.GeberSN = gelesen.kopf.geberSN;
        return 3;
    }
    return 0;
}

} // namespace kav::records
