#include "trend_layout.h"

#include <algorithm>
#include <cmath>

#include "display_rules.h"
#include "measure_host.h"

namespace kav::measure {

namespace {

// Box units: the title row over each strip, the space between strips, the
// margins of the whole box, and a tick's length.
constexpr double kTitel = 260, kAbstand = 140, kOben = 40, kUnten = 330, kRechts = 220, kStrich = 50;

// 1, 2 or 5 times a power of ten, at least `roh`.
double schoenerSchritt(double roh) {
    if (!(roh > 0) || !std::isfinite(roh))
        return 1;
    const double p = std::pow(10.0, std::floor(std::log10(roh)));
    for (double m : {1.0, 2.0, 5.0})
        if (m * p >= roh * (1 - 1e-9))
            return m * p;
    return 10 * p;
}

int nachkommaFuer(double schritt) {
    return schritt >= 1 ? 0 : std::clamp(static_cast<int>(std::ceil(-std::log10(schritt) - 1e-9)), 0, 3);
}

struct Bereich {
    double min = 0, max = 1, schritt = 1;
};

Bereich wertBereich(const TrendStatistik& st, const TrendGrenze& g, int intervalle) {
    std::optional<double> lo, hi;
    const auto nimm = [&](double v) {
        lo = lo ? std::min(*lo, v) : v;
        hi = hi ? std::max(*hi, v) : v;
    };
    if (st.anzahl)
        nimm(st.min), nimm(st.max);
    if (g.min)
        nimm(*g.min);
    if (g.max)
        nimm(*g.max);
    if (!lo)
        return {};
    double a = *lo, b = *hi;
    if (b - a < 1e-9) {
        const double rand = std::max(1.0, std::abs(a) * 0.05);
        a -= rand, b += rand;
    }
    // A little room, so a value at the edge does not vanish in the axis.
    const double luft = (b - a) * 0.03;
    a -= luft, b += luft;
    Bereich r;
    r.schritt = schoenerSchritt((b - a) / intervalle);
    r.min = std::floor(a / r.schritt + 1e-9) * r.schritt;
    r.max = std::ceil(b / r.schritt - 1e-9) * r.schritt;
    if (r.max <= r.min)
        r.max = r.min + r.schritt;
    return r;
}

double zeitSchritt(double spanne, int hoechstens) {
    static constexpr double kSchritte[] = {1,   2,    5,    10,   15,   30,    60,    120,   300,  600,
                                           900, 1800, 3600, 7200, 10800, 21600, 43200, 86400};
    for (double s : kSchritte)
        if (spanne / s <= hoechstens)
            return s;
    return 86400;
}

} // namespace

TrendAnsicht ganzerLauf(const TrendStore& store, TrendAnsicht ansicht) {
    ansicht.von = 0;
    ansicht.bis = std::max(kMindestFenster, store.empty() ? 0.0 : store.zeit(store.size() - 1));
    return ansicht;
}

double TrendLayout::x(double sekunden) const {
    if (streifen.empty() || !(bis > von))
        return 0;
    const TrendStreifen& s = streifen.front();
    return s.links + (sekunden - von) * s.breite / (bis - von);
}

double TrendLayout::zeitBei(double boxX) const {
    if (streifen.empty() || streifen.front().breite <= 0)
        return von;
    const TrendStreifen& s = streifen.front();
    return von + (boxX - s.links) * (bis - von) / s.breite;
}

std::string trendTitel(TrendReihe r, const Translator& t) {
    switch (r) {
    case TrendReihe::Drehzahl: return T(t, "Drehzahl (1/min)");
    case TrendReihe::Frequenz: return T(t, "Frequenz (Hz)");
    case TrendReihe::Versorgungsspannung: return T(t, "Versorgungsspannung (V)");
    case TrendReihe::Stromaufnahme: return T(t, "Stromaufnahme (mA)");
    case TrendReihe::Symmetrie0: return T(t, "Symmetrie 0 (Abweichung in %)");
    case TrendReihe::Symmetrie90: return T(t, "Symmetrie 90 (Abweichung in %)");
    case TrendReihe::Phasenlage: return T(t, "Phasenlage (Abweichung in %)");
    }
    return {};
}

std::string zeitText(double sekunden, int nachkomma, std::string_view trenner) {
    const double skala = std::pow(10.0, nachkomma);
    const long long teile = std::llround(std::max(0.0, sekunden) * skala);
    const long long ganz = teile / static_cast<long long>(skala);
    const long long h = ganz / 3600, m = ganz / 60 % 60, s = ganz % 60;
    const auto zwei = [](long long v) { return (v < 10 ? "0" : "") + std::to_string(v); };
    std::string text = h > 0 ? std::to_string(h) + ":" + zwei(m) : std::to_string(m);
    text += ":" + zwei(s);
    if (nachkomma > 0) {
        const std::string rest = std::to_string(teile % static_cast<long long>(skala));
        text += std::string(trenner) + std::string(static_cast<std::size_t>(nachkomma) - rest.size(), '0') + rest;
    }
    return text;
}

std::string trendWertText(TrendReihe r, double wert, std::string_view trenner) {
    const bool dezimal = r == TrendReihe::Drehzahl || r == TrendReihe::Versorgungsspannung;
    return zahlText(wert, dezimal ? 1 : 0, trenner);
}

TrendLayout trendLayout(const TrendStore& store, const TrendAnsicht& ansicht, double breite, double hoehe,
                        std::string_view trenner, const Translator& t) {
    TrendLayout l;
    l.von = ansicht.von;
    l.bis = ansicht.bis > ansicht.von ? ansicht.bis : ansicht.von + 1;
    ChartLayout& c = l.rahmen;
    c.RandLinks = c.RandRechts = c.RandOben = c.RandUnten = 0;
    c.ZeichenBreite = static_cast<int>(breite);
    c.ZeichenHoehe = static_cast<int>(hoehe);
    const std::size_t n = ansicht.reihen.size();
    if (n == 0)
        return l;

    const double streifenHoehe =
        std::max(1.0, (hoehe - kOben - kUnten - static_cast<double>(n) * kTitel - static_cast<double>(n - 1) * kAbstand) /
                          static_cast<double>(n));
    // About one labelled tick per 350 units, at most four intervals.
    const int intervalle = std::clamp(static_cast<int>(streifenHoehe / 350), 1, 4);

    std::vector<Bereich> bereiche;
    std::vector<std::vector<std::string>> yTexte;
    std::size_t breitester = 0;
    for (TrendReihe r : ansicht.reihen) {
        const Bereich b = wertBereich(store.statistik(r), ansicht.grenzen[index(r)], intervalle);
        std::vector<std::string> texte;
        const int nk = nachkommaFuer(b.schritt);
        for (int k = 0; b.min + k * b.schritt <= b.max + b.schritt * 1e-6; ++k) {
            texte.push_back(zahlText(b.min + k * b.schritt, nk, trenner));
            breitester = std::max(breitester, texte.back().size());
        }
        bereiche.push_back(b);
        yTexte.push_back(std::move(texte));
    }
    const double links = std::max(600.0, static_cast<double>(breitester) * kZeichenEinheiten + 200);
    const double datenBreite = std::max(1.0, breite - links - kRechts);

    using H = ChartLabel::Horizontal;
    using V = ChartLabel::Vertikal;
    const double spanne = l.bis - l.von;
    const double tSchritt = zeitSchritt(spanne, std::max(1, static_cast<int>(datenBreite / 1100)));
    double oben = kOben;
    for (std::size_t s = 0; s < n; ++s) {
        const TrendReihe r = ansicht.reihen[s];
        TrendStreifen st;
        st.reihe = r;
        st.links = links;
        st.oben = oben + kTitel;
        st.breite = datenBreite;
        st.hoehe = streifenHoehe;
        st.ymin = bereiche[s].min;
        st.ymax = bereiche[s].max;
        st.grenze = ansicht.grenzen[index(r)];
        const double unten = st.oben + st.hoehe;

        c.achsen.push_back({{links, st.oben}, {links, unten}});
        c.achsen.push_back({{links, unten}, {links + datenBreite, unten}});
        for (std::size_t k = 0; k < yTexte[s].size(); ++k) {
            const double y = st.y(st.ymin + static_cast<double>(k) * bereiche[s].schritt);
            c.striche.push_back({{links - kStrich, y}, {links, y}});
            c.beschriftung.push_back({yTexte[s][k], {links - kStrich - 40, y}, H::Right, V::Middle});
        }
        const TrendStatistik& stat = store.statistik(r);
        std::string titel = trendTitel(r, t) + "     " + T(t, "Anzahl") + " " + std::to_string(stat.anzahl);
        if (stat.anzahl)
            titel += "   Min " + trendWertText(r, stat.min, trenner) + "   " + T(t, "Mittelwert") + " " +
                     zahlText(stat.mittel(), 2, trenner) + "   Max " + trendWertText(r, stat.max, trenner);
        c.beschriftung.push_back({titel, {links, st.oben - 30}, H::Left, V::Bottom});

        // Time ticks on every strip, their labels under the last one.
        for (double z = std::ceil(l.von / tSchritt) * tSchritt; z <= l.bis + 1e-9; z += tSchritt) {
            const double x = links + (z - l.von) * datenBreite / spanne;
            c.striche.push_back({{x, unten}, {x, unten + kStrich}});
            if (s + 1 == n)
                c.beschriftung.push_back({zeitText(z, 0, trenner), {x, unten + kStrich + 20}, H::Center, V::Top});
        }
        l.streifen.push_back(st);
        oben = unten + kAbstand;
    }
    return l;
}

} // namespace kav::measure
