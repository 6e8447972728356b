#include "trend_store.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "display_rules.h"

namespace kav::measure {

namespace {

// Readings per block: blocks are allocated whole, so the store grows in
// steps of about 86 KB and never copies what it holds.
constexpr std::size_t kBlock = 4096;
// Readings per summary group grow by this factor from level to level.
constexpr std::size_t kFaecher = 16;

constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kNan = std::numeric_limits<float>::quiet_NaN();

std::size_t gruppe(std::size_t stufe) {
    std::size_t g = kFaecher;
    for (std::size_t k = 0; k < stufe; ++k)
        g *= kFaecher;
    return g;
}

// Levels whose groups are not larger than the most readings the store keeps.
std::size_t stufenAnzahl() {
    std::size_t n = 0;
    while (gruppe(n) <= TrendStore::kMaxMessungen)
        ++n;
    return n;
}

float endlich(float f) { return std::isfinite(f) ? f : kNan; }

float prozent(TrendReihe r, std::uint8_t byte) {
    const PercentKind art = r == TrendReihe::Phasenlage ? PercentKind::Phasenlage : PercentKind::Symmetrie;
    return istProzentCode(byte, art) ? kNan : static_cast<float>(vorzeichenbehaftet(byte));
}

} // namespace

std::optional<double> trendWert(TrendReihe r, const AktuellWerte& w) {
    float v = kNan;
    switch (r) {
    case TrendReihe::Drehzahl: v = endlich(w.Drehzahl); break;
    case TrendReihe::Frequenz: return w.Frequenz;
    case TrendReihe::Versorgungsspannung: v = endlich(w.Versorgungsspannung); break;
    case TrendReihe::Stromaufnahme: return w.Stromaufnahme;
    case TrendReihe::Symmetrie0: v = prozent(r, w.Symmetrie0); break;
    case TrendReihe::Symmetrie90: v = prozent(r, w.Symmetrie90); break;
    case TrendReihe::Phasenlage: v = prozent(r, w.Phasenlage); break;
    }
    if (std::isnan(v))
        return std::nullopt;
    return v;
}

struct TrendStore::Block {
    std::uint32_t ms[kBlock];
    float drehzahl[kBlock];
    std::int32_t frequenz[kBlock];
    float spannung[kBlock];
    std::int16_t strom[kBlock];
    std::uint8_t sym0[kBlock];
    std::uint8_t sym90[kBlock];
    std::uint8_t phase[kBlock];
};

std::size_t TrendStore::bytesProBlock() { return sizeof(Block); }

TrendStore::TrendStore() = default;
TrendStore::~TrendStore() = default;
TrendStore::TrendStore(TrendStore&&) noexcept = default;
TrendStore& TrendStore::operator=(TrendStore&&) noexcept = default;

std::uint32_t TrendStore::millis(std::size_t i) const { return bloecke_[i / kBlock]->ms[i % kBlock]; }

double TrendStore::zeit(std::size_t i) const { return millis(i) / 1000.0; }

std::uint8_t TrendStore::rohByte(TrendReihe r, std::size_t i) const {
    const Block& b = *bloecke_[i / kBlock];
    const std::size_t j = i % kBlock;
    switch (r) {
    case TrendReihe::Symmetrie0: return b.sym0[j];
    case TrendReihe::Symmetrie90: return b.sym90[j];
    case TrendReihe::Phasenlage: return b.phase[j];
    default: return 0;
    }
}

float TrendStore::wertOderNan(TrendReihe r, std::size_t i) const {
    const Block& b = *bloecke_[i / kBlock];
    const std::size_t j = i % kBlock;
    switch (r) {
    case TrendReihe::Drehzahl: return endlich(b.drehzahl[j]);
    case TrendReihe::Frequenz: return static_cast<float>(b.frequenz[j]);
    case TrendReihe::Versorgungsspannung: return endlich(b.spannung[j]);
    case TrendReihe::Stromaufnahme: return b.strom[j];
    case TrendReihe::Symmetrie0:
    case TrendReihe::Symmetrie90:
    case TrendReihe::Phasenlage: return prozent(r, rohByte(r, i));
    }
    return kNan;
}

std::optional<double> TrendStore::wert(TrendReihe r, std::size_t i) const {
    if (r == TrendReihe::Frequenz) // exact beyond a float's 24 bits
        return bloecke_[i / kBlock]->frequenz[i % kBlock];
    const float v = wertOderNan(r, i);
    if (std::isnan(v))
        return std::nullopt;
    return v;
}

bool TrendStore::hinzufuegen(double sekunden, const AktuellWerte& w) {
    if (voll_)
        return false;
    const double ms = std::isfinite(sekunden) ? std::round(sekunden * 1000.0) : 0.0;
    if (ms > kMaxSekunden * 1000.0 || anzahl_ >= kMaxMessungen) {
        voll_ = true;
        return false;
    }
    std::uint32_t t = ms > 0 ? static_cast<std::uint32_t>(ms) : 0;
    if (anzahl_ > 0)
        t = std::max(t, millis(anzahl_ - 1));

    const std::size_t i = anzahl_;
    if (i % kBlock == 0)
        bloecke_.push_back(std::make_unique<Block>());
    Block& b = *bloecke_.back();
    const std::size_t j = i % kBlock;
    b.ms[j] = t;
    b.drehzahl[j] = w.Drehzahl;
    b.frequenz[j] = w.Frequenz;
    b.spannung[j] = w.Versorgungsspannung;
    b.strom[j] = w.Stromaufnahme;
    b.sym0[j] = w.Symmetrie0;
    b.sym90[j] = w.Symmetrie90;
    b.phase[j] = w.Phasenlage;
    ++anzahl_;

    if (stufen_[0].empty()) {
        // Reserved once for the largest run: no copying while a run grows.
        for (auto& stufen : stufen_) {
            stufen.resize(stufenAnzahl());
            for (std::size_t k = 0; k < stufen.size(); ++k)
                stufen[k].reserve(kMaxMessungen / gruppe(k) + 1);
        }
    }
    for (TrendReihe r : kAlleTrendReihen) {
        const std::size_t s = index(r);
        const std::optional<double> wert = trendWert(r, w);
        const bool code = !wert;
        const float v = code ? kNan : static_cast<float>(*wert);
        if (!code) {
            TrendStatistik& st = statistik_[s];
            st.min = st.anzahl ? std::min(st.min, *wert) : *wert;
            st.max = st.anzahl ? std::max(st.max, *wert) : *wert;
            st.summe += *wert;
            ++st.anzahl;
        } else {
            auto& l = luecken_[s];
            if (!l.empty() && l.back().second == i)
                ++l.back().second;
            else
                l.emplace_back(static_cast<std::uint32_t>(i), static_cast<std::uint32_t>(i + 1));
        }
        for (std::size_t k = 0; k < stufen_[s].size(); ++k) {
            auto& knoten = stufen_[s][k];
            if (i % gruppe(k) == 0)
                knoten.push_back({kInf, -kInf});
            if (!code) {
                knoten.back().min = std::min(knoten.back().min, v);
                knoten.back().max = std::max(knoten.back().max, v);
            }
        }
    }
    return true;
}

void TrendStore::leeren() { *this = TrendStore(); }

TrendStore::Knoten TrendStore::bereich(std::size_t reihe, std::size_t von, std::size_t bis) const {
    Knoten k{kInf, -kInf};
    const auto r = static_cast<TrendReihe>(reihe);
    const auto& stufen = stufen_[reihe];
    std::size_t i = von;
    while (i < bis) {
        // The largest whole group that starts at i and ends by bis.
        std::size_t stufe = stufen.size();
        while (stufe > 0) {
            const std::size_t g = gruppe(stufe - 1);
            if (i % g == 0 && i + g <= bis)
                break;
            --stufe;
        }
        if (stufe == 0) {
            const float v = wertOderNan(r, i);
            if (!std::isnan(v)) {
                k.min = std::min(k.min, v);
                k.max = std::max(k.max, v);
            }
            ++i;
        } else {
            const std::size_t g = gruppe(stufe - 1);
            const Knoten& n = stufen[stufe - 1][i / g];
            k.min = std::min(k.min, n.min);
            k.max = std::max(k.max, n.max);
            i += g;
        }
    }
    return k;
}

bool TrendStore::hatLuecke(std::size_t reihe, std::size_t von, std::size_t bis) const {
    if (von >= bis)
        return false;
    const auto& l = luecken_[reihe];
    const auto it = std::partition_point(l.begin(), l.end(), [&](const auto& lauf) { return lauf.second <= von; });
    return it != l.end() && it->first < bis;
}

std::size_t TrendStore::ersteAb(double sekunden) const {
    const double ms = sekunden * 1000.0;
    std::size_t lo = 0, hi = anzahl_;
    while (lo < hi) {
        const std::size_t mitte = lo + (hi - lo) / 2;
        if (millis(mitte) < ms)
            lo = mitte + 1;
        else
            hi = mitte;
    }
    return lo;
}

std::optional<std::size_t> TrendStore::naechste(double sekunden) const {
    if (anzahl_ == 0)
        return std::nullopt;
    const std::size_t i = ersteAb(sekunden);
    if (i == 0)
        return 0;
    if (i == anzahl_)
        return anzahl_ - 1;
    return sekunden - zeit(i - 1) <= zeit(i) - sekunden ? i - 1 : i;
}

std::vector<TrendSpalte> TrendStore::spalten(TrendReihe r, double von, double bis, int breite) const {
    std::vector<TrendSpalte> ergebnis(static_cast<std::size_t>(std::max(breite, 0)));
    if (ergebnis.empty() || anzahl_ == 0 || !(bis > von))
        return ergebnis;
    const double d = (bis - von) / breite;
    std::size_t anfang = ersteAb(von);
    for (std::size_t c = 0; c < ergebnis.size(); ++c) {
        const bool letzte = c + 1 == ergebnis.size();
        // The last column takes the readings at bis as well.
        const std::size_t ende =
            letzte ? ersteAb(std::nextafter(bis, std::numeric_limits<double>::infinity()))
                   : ersteAb(von + static_cast<double>(c + 1) * d);
        if (ende > anfang) {
            const Knoten k = bereich(index(r), anfang, ende);
            TrendSpalte& s = ergebnis[c];
            s.leer = k.min > k.max;
            if (!s.leer)
                s.min = k.min, s.max = k.max;
            s.luecke = hatLuecke(index(r), anfang, ende);
        }
        anfang = ende;
    }
    return ergebnis;
}

std::size_t TrendStore::speicherBytes() const {
    std::size_t n = bloecke_.size() * sizeof(Block) + bloecke_.capacity() * sizeof(void*);
    for (const auto& stufen : stufen_)
        for (const auto& knoten : stufen)
            n += knoten.capacity() * sizeof(Knoten);
    for (const auto& l : luecken_)
        n += l.capacity() * sizeof(l[0]);
    return n;
}

} // namespace kav::measure
