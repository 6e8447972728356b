#include "chart_layout.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "display_rules.h"

namespace kav::measure {

namespace {
constexpr double kStrich = 50;     // tick length
constexpr double kAbstand = 40;    // between a tick and its label
constexpr double kTextHoehe = 240; // a label line, reckoned generously
constexpr double kLabelLuft = 30;  // between the widest Y label and the box's edge
constexpr int kMaxStriche = 10000; // per axis; a step too small for its range draws no more
} // namespace

ChartRange drehschwebungBereich(std::int16_t wert1, std::int16_t wert2, bool mathAn, std::int32_t impulszahl) {
    struct Zeile {
        int bis, schritt;
    };
    static constexpr Zeile kTabelle[] = {{100, 50},    {200, 100},   {500, 250},    {1000, 500},
                                         {2000, 1000}, {5000, 2500}, {10000, 5000}, {20000, 10000}};
    const int m = std::max(std::abs(static_cast<int>(wert1)), std::abs(static_cast<int>(wert2)));
    int grenze = 30000;
    int schritt = 25000;
    for (const Zeile& z : kTabelle) {
        if (m <= z.bis) {
            grenze = z.bis;
            schritt = z.schritt;
            break;
        }
    }
    ChartRange r;
    r.ymin = -grenze;
    r.ymax = grenze;
    r.ySchritt = schritt;
    if (mathAn) {
        // Five revolutions, a tick every half revolution; wide enough for any pulse number.
        r.xmax = static_cast<int>(std::clamp<long long>(5LL * impulszahl, -2147483648LL, 2147483647LL));
        r.xSchritt = impulszahl / 2.0;
    } else {
        r.xmax = 200;
        r.xSchritt = 50;
    }
    return r;
}

double ChartLabel::links() const {
    const double breite = text.size() * kZeichenEinheiten;
    return horizontal == Horizontal::Left     ? anker.x
           : horizontal == Horizontal::Center ? anker.x - breite / 2
                                              : anker.x - breite;
}

double ChartLayout::GrafikX(double x) const { return RandLinks + (std::abs(NullX) + x) * FaktorX; }
double ChartLayout::GrafikY(double y) const { return RandOben + ZeichenHoehe - (std::abs(NullY) + y) * FaktorY; }
double ChartLayout::datenX(double boxX) const {
    return FaktorX == 0 ? 0 : (boxX - RandLinks) / FaktorX - std::abs(NullX);
}

ChartLayout GrafikZeichnen(double breite, double hoehe, const ChartRange& b, bool mathAn, std::int32_t impulszahl,
                           const Translator& t) {
    ChartLayout L;
    L.PunkteProUmdrehung = mathAn && impulszahl > 0 ? impulszahl : 200;
    if (b.ymax == b.ymin) {
        L.fehlermeldung = T(t, "Falsche Eingabe Ymin oder Ymax");
        return L;
    }
    if (b.xmax == b.xmin) {
        L.fehlermeldung = T(t, "Falsche Eingabe Xmin oder Xmax");
        return L;
    }
    double xSchritt = 0;
    if (b.xSchritt)
        xSchritt = *b.xSchritt == -4 ? b.xmax / 4.0 : std::trunc(*b.xSchritt);
    double ySchritt = b.ySchritt.value_or(0);
    if (xSchritt <= 0)
        xSchritt = 10;
    if (ySchritt <= 0)
        ySchritt = 10;

    L.NullX = b.xmin < 0 ? static_cast<float>(b.xmin) : 0.0f;
    L.NullY = b.ymin < 0 ? static_cast<float>(b.ymin) : 0.0f;
    // A positive minimum is not shifted to the origin: the axes run from 0
    // over the range's width, and only the Y labels add the minimum.
    const double yOben = b.ymin < 0 ? b.ymax : static_cast<double>(b.ymax) - b.ymin;
    const double xEnde = b.xmin < 0 ? b.xmax : static_cast<double>(b.xmax) - b.xmin;
    auto yLabel = [&](double v) { return zahlText(v + (b.ymin >= 0 ? b.ymin : 0), 0, "."); };

    // The left margin holds four label characters beside the ticks; a wider
    // label ("-1000", "-30000") widens it instead of running off the box.
    std::size_t breitestes = 0;
    for (int i = 0; i < kMaxStriche; ++i) {
        const double v = L.NullY + i * ySchritt;
        if (v > yOben + ySchritt * 1e-9)
            break;
        if (std::abs(v) >= ySchritt * 1e-9)
            breitestes = std::max(breitestes, yLabel(v).size());
    }
    L.RandLinks = std::max(
        L.RandLinks, static_cast<int>(std::ceil(breitestes * kZeichenEinheiten + kStrich + kAbstand + kLabelLuft)));

    L.ZeichenBreite = static_cast<int>(breite) - L.RandLinks - L.RandRechts;
    L.ZeichenHoehe = static_cast<int>(hoehe) - L.RandOben - L.RandUnten;
    L.FaktorX = static_cast<float>(L.ZeichenBreite / (static_cast<double>(b.xmax) - b.xmin));
    L.FaktorY = static_cast<float>(L.ZeichenHoehe / (static_cast<double>(b.ymax) - b.ymin));

    const double achseX = L.GrafikX(0);
    const double achseY = L.GrafikY(0);
    L.achsen.push_back({{achseX, L.GrafikY(L.NullY)}, {achseX, L.GrafikY(yOben)}});
    L.achsen.push_back({{L.GrafikX(L.NullX), achseY}, {L.GrafikX(xEnde), achseY}});

    using H = ChartLabel::Horizontal;
    using V = ChartLabel::Vertikal;
    // Y ticks, labels right-aligned left of them (0 unlabelled).
    for (int i = 0; i < kMaxStriche; ++i) {
        const double v = L.NullY + i * ySchritt;
        if (v > yOben + ySchritt * 1e-9)
            break;
        const double y = L.GrafikY(v);
        L.striche.push_back({{achseX - kStrich, y}, {achseX, y}});
        if (std::abs(v) < ySchritt * 1e-9)
            continue;
        ChartLabel label{yLabel(v), {achseX - kStrich - kAbstand, y}, H::Right, V::Middle};
        // Where the X axis also runs left of the Y axis, a label close to it
        // sits wholly on its own side.
        if (L.NullX < 0 && std::abs(y - achseY) < kTextHoehe / 2)
            label.vertikal = y < achseY ? V::Bottom : V::Top;
        L.beschriftung.push_back(std::move(label));
    }
    // The caption beside the top of the Y axis, right of it and above the top.
    L.beschriftung.push_back({"Ws[\"]", {achseX + kAbstand, L.GrafikY(yOben) - kAbstand / 2}, H::Left, V::Bottom});

    // X ticks below the X axis, labelled with the angle in degrees (0 unlabelled).
    for (int i = 0; i < kMaxStriche; ++i) {
        const double u = L.NullX + i * xSchritt;
        if (u > xEnde + xSchritt * 1e-9)
            break;
        const double x = L.GrafikX(u);
        L.striche.push_back({{x, achseY}, {x, achseY + kStrich}});
        if (std::abs(u) < xSchritt * 1e-9)
            continue;
        ChartLabel label{zahlText(360.0 * u / L.PunkteProUmdrehung, 0, "."),
                         {x, achseY + kStrich + kAbstand / 2},
                         H::Center,
                         V::Top};
        // Centred under a tick close to the Y axis it would cross it: it then
        // starts at the tick and runs away from the axis.
        if (label.links() < achseX + kAbstand / 2 && x >= achseX)
            label.horizontal = H::Left;
        else if (x < achseX && label.links() + label.text.size() * kZeichenEinheiten > achseX - kAbstand / 2)
            label.horizontal = H::Right;
        L.beschriftung.push_back(std::move(label));
    }
    return L;
}

ChartLayout DrehschwebungGrafik(std::int16_t wert1, std::int16_t wert2, double breite, double hoehe, bool mathAn,
                                std::int32_t impulszahl, const Translator& t) {
    return GrafikZeichnen(breite, hoehe, drehschwebungBereich(wert1, wert2, mathAn, impulszahl), mathAn, impulszahl, t);
}

std::vector<ChartPoint> messpunkte(const ChartLayout& layout, const std::vector<std::int16_t>& samples) {
    std::vector<ChartPoint> punkte;
    if (!layout.ok())
        return punkte;
    punkte.reserve(samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i)
        punkte.push_back({layout.GrafikX(static_cast<double>(i)), layout.GrafikY(samples[i])});
    return punkte;
}

} // namespace kav::measure
