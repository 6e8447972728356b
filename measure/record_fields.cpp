#include "record_fields.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "display_rules.h"

namespace kav::measure {

namespace {

using json::Json;
using K = Kodierung;

using A = AktuellWerte;
constexpr Feld<A> kAktuell[] = {
    {"Impulszahl", 52, K::Hex8, &A::Impulszahl},
    {"Drehzahl", 60, K::Festkomma, &A::Drehzahl},
    {"Frequenz", 68, K::Hex8, &A::Frequenz},
    {"Versorgungsspannung", 76, K::Festkomma, &A::Versorgungsspannung},
    {"Stromaufnahme", 84, K::Hex4, &A::Stromaufnahme},
    {"Symmetrie0", 88, K::Hex2, &A::Symmetrie0, 0, true},
    {"Symmetrie90", 90, K::Hex2, &A::Symmetrie90, 0, true},
    {"Phasenlage", 92, K::Hex2, &A::Phasenlage, 0, true},
    {"Spurfehler", 94, K::Hex2, &A::Spurfehler},
};

using S = SchlechtimpulsWerte;
constexpr Feld<S> kSchlechtimpuls[] = {
    {"PosMaxNegativ", 86, K::Hex8, &S::PosMaxNegativ},
    {"MaxNegativ", 94, K::Hex2, &S::MaxNegativ, 0, true},
    {"PosMaxPositiv", 76, K::Hex8, &S::PosMaxPositiv},
    {"MaxPositiv", 84, K::Hex2, &S::MaxPositiv, 0, true},
    {"AbwPos", 96, K::Hex8, &S::AbwPos, 10},
    {"AbwWert", 104, K::Hex2, &S::AbwWert, 10, true},
    {"AnzahlAbweichungen", 68, K::Hex8, &S::AnzahlAbweichungen},
    {"Impulszahl", 60, K::Hex8, &S::Impulszahl},
    {"Drehzahl", 52, K::Festkomma, &S::Drehzahl},
    {"Frequenz", 0, K::Hex8, &S::Frequenz}, // follows from speed and pulse number
};

using D = DrehschwebungWerte;
constexpr Feld<D> kDrehschwebung[] = {
    {"Messdaten", 90, K::Text, &D::Messdaten},
    {"AnzahlMesswerte", 86, K::Hex4, &D::AnzahlMesswerte},
    {"Impulszahl", 52, K::Hex8, &D::Impulszahl},
    {"Drehzahl", 60, K::Festkomma, &D::Drehzahl},
    {"Frequenz", 68, K::Hex8, &D::Frequenz},
    {"Umdrehungen", 76, K::Hex2, &D::Umdrehungen},
    {"MinWert", 78, K::Hex4, &D::MinWert},
    {"MaxWert", 82, K::Hex4, &D::MaxWert},
};

template <class W>
Json alsJson(const W& w) {
    Json out = Json::object();
    for (const Feld<W>& f : felder<W>()) {
        std::visit(
            [&](auto glied) {
                const auto& v = w.*glied;
                using V = std::decay_t<decltype(v)>;
                if constexpr (std::is_same_v<V, float>) {
                    out[std::string(f.name)] = json::zahl(v);
                } else if constexpr (std::is_same_v<V, std::string>) {
                    out[std::string(f.name)] = v;
                } else if constexpr (std::is_integral_v<V>) {
                    out[std::string(f.name)] = static_cast<long long>(v);
                } else {
                    Json a = Json::array();
                    for (auto e : v)
                        a.push_back(static_cast<long long>(e));
                    out[std::string(f.name)] = std::move(a);
                }
            },
            f.glied);
    }
    return out;
}

// Shortest text that reads back to the same value, with "." whatever the locale.
std::string kommazahl(float v) {
    char buf[64];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
    return ec == std::errc() ? std::string(buf, end) : std::string("0");
}

template <class W>
std::string alsCsv(const W& w) {
    std::vector<const Feld<W>*> imFile;
    for (const Feld<W>& f : felder<W>())
        if (f.position != 0 && f.kodierung != Kodierung::Text)
            imFile.push_back(&f);
    std::stable_sort(imFile.begin(), imFile.end(),
                     [](const Feld<W>* a, const Feld<W>* b) { return a->position < b->position; });

    std::string csv;
    for (const Feld<W>* f : imFile) {
        auto ganz = [&](long long v, const std::string& name) {
            if (f->prozent)
                v = vorzeichenbehaftet(static_cast<std::uint8_t>(v));
            csv += name + "," + std::to_string(v) + "\n";
        };
        const std::string name(f->name);
        std::visit(
            [&](auto glied) {
                const auto& v = w.*glied;
                using V = std::decay_t<decltype(v)>;
                if constexpr (std::is_same_v<V, float>) {
                    csv += name + "," + kommazahl(v) + "\n";
                } else if constexpr (std::is_integral_v<V>) {
                    ganz(v, name);
                } else if constexpr (!std::is_same_v<V, std::string>) {
                    for (std::size_t k = 0; k < v.size(); ++k)
                        ganz(v[k], name + std::to_string(k + 1));
                }
            },
            f->glied);
    }
    return csv;
}

} // namespace

std::size_t breite(Kodierung k) {
    switch (k) {
    case Kodierung::Hex8:
    case Kodierung::Festkomma: return 8;
    case Kodierung::Hex4: return 4;
    case Kodierung::Hex2: return 2;
    case Kodierung::Text: return 0;
    }
    return 0;
}

template <>
std::span<const Feld<AktuellWerte>> felder<AktuellWerte>() {
    return kAktuell;
}
template <>
std::span<const Feld<SchlechtimpulsWerte>> felder<SchlechtimpulsWerte>() {
    return kSchlechtimpuls;
}
template <>
std::span<const Feld<DrehschwebungWerte>> felder<DrehschwebungWerte>() {
    return kDrehschwebung;
}

Json valuesObject(const AktuellWerte& w) { return alsJson(w); }
Json valuesObject(const SchlechtimpulsWerte& w) { return alsJson(w); }

Json valuesObject(const DrehschwebungWerte& w) {
    const std::vector<std::int16_t> samples = messwerte(w);
    // Only what is held: the count and the text agree with `samples`.
    DrehschwebungWerte gehalten = w;
    gehalten.Messdaten.resize(samples.size() * 4);
    gehalten.AnzahlMesswerte = static_cast<std::int16_t>(samples.size());
    Json out = alsJson(gehalten);
    Json a = Json::array();
    for (std::int16_t v : samples)
        a.push_back(v);
    out["samples"] = std::move(a);
    return out;
}

std::string csvZeilen(const AktuellWerte& w) { return alsCsv(w); }
std::string csvZeilen(const SchlechtimpulsWerte& w) { return alsCsv(w); }

} // namespace kav::measure
