#include "trend_chart_image.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "chart_image.h"

namespace kav::measure {

namespace {

// Values, limit bands, one-sided limits, gaps.
const QColor kLinie(0, 0, 160);
const QColor kBand(200, 235, 200);
const QColor kGrenze(200, 0, 0);
const QColor kLuecke(255, 205, 205);

// How near in pixels a sparse reading must be to the pointer.
constexpr double kFang = 6;

struct Pixel {
    double links, oben, breite, hoehe;
};

Pixel pixelFlaeche(const ChartAbbildung& a, const TrendStreifen& s) {
    const QPointF lo = a.punkt(s.links, s.oben);
    const QPointF ru = a.punkt(s.links + s.breite, s.oben + s.hoehe);
    return {std::floor(lo.x()), std::floor(lo.y()), std::floor(ru.x()) - std::floor(lo.x()),
            std::floor(ru.y()) - std::floor(lo.y())};
}

void streifenMalen(QPainter& p, const TrendStore& store, const TrendLayout& layout, const TrendStreifen& s,
                   const ChartAbbildung& a) {
    const Pixel f = pixelFlaeche(a, s);
    const int spalten = static_cast<int>(f.breite);
    if (spalten <= 0 || f.hoehe <= 0)
        return;
    const auto y = [&](double wert) { return a.punkt(0, s.y(wert)).y(); };

    if (s.grenze.min && s.grenze.max) {
        const double y1 = y(*s.grenze.max), y2 = y(*s.grenze.min);
        p.fillRect(QRectF(f.links, std::min(y1, y2), f.breite, std::max(1.0, std::abs(y2 - y1))), kBand);
    }

    const std::vector<TrendSpalte> sp = store.spalten(s.reihe, layout.von, layout.bis, spalten);
    // Gaps first, under the line: from the last value before a code to the first after it.
    int letzte = -1;     // last column with values
    int lueckeSeit = -1; // first column of an open gap
    std::vector<std::pair<int, int>> luecken;
    std::vector<QLineF> linien;
    linien.reserve(sp.size() * 2);
    for (int c = 0; c < spalten; ++c) {
        const TrendSpalte& k = sp[static_cast<std::size_t>(c)];
        if (k.luecke && lueckeSeit < 0)
            lueckeSeit = letzte + 1;
        if (k.leer)
            continue;
        const double x = f.links + c + 0.5;
        const double oben = y(k.max), unten = y(k.min);
        linien.emplace_back(QPointF(x, oben), QPointF(x, unten));
        if (lueckeSeit >= 0) {
            luecken.emplace_back(lueckeSeit, k.luecke && lueckeSeit == c ? c : c - 1);
        } else if (letzte >= 0) {
            const TrendSpalte& v = sp[static_cast<std::size_t>(letzte)];
            linien.emplace_back(QPointF(f.links + letzte + 0.5, y((v.min + v.max) / 2.0)),
                                QPointF(x, (oben + unten) / 2));
        }
        lueckeSeit = -1;
        letzte = c;
    }
    if (lueckeSeit >= 0) {
        int ende = spalten - 1;
        while (ende > lueckeSeit && !sp[static_cast<std::size_t>(ende)].luecke)
            --ende;
        luecken.emplace_back(lueckeSeit, ende);
    }
    for (const auto& [von, bis] : luecken)
        p.fillRect(QRectF(f.links + von, f.oben, std::max(1, bis - von + 1), f.hoehe), kLuecke);

    p.save();
    p.setClipRect(QRectF(f.links, f.oben - 1, f.breite + 1, f.hoehe + 2));
    QPen stift(kLinie);
    stift.setWidthF(1);
    stift.setCapStyle(Qt::SquareCap);
    p.setPen(stift);
    p.drawLines(linien.data(), static_cast<int>(linien.size()));
    p.restore();

    // A one-sided limit is a line.
    if (s.grenze.min.has_value() != s.grenze.max.has_value()) {
        const double g = y(s.grenze.min ? *s.grenze.min : *s.grenze.max);
        QPen strich(kGrenze);
        strich.setStyle(Qt::DashLine);
        p.setPen(strich);
        p.drawLine(QLineF(f.links, std::floor(g), f.links + f.breite, std::floor(g)));
    }
}

} // namespace

void trendMalen(QPainter& p, const TrendStore& store, const TrendLayout& layout, const QRectF& ziel,
                const QFont& schrift) {
    const ChartAbbildung a(layout.rahmen, ziel);
    if (a.sx <= 0 || a.sy <= 0)
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    for (const TrendStreifen& s : layout.streifen)
        streifenMalen(p, store, layout, s, a);
    p.restore();
    achsenMalen(p, layout.rahmen, ziel, schrift);
}

QImage trendBild(const TrendStore& store, const TrendLayout& layout, const QSize& groesse, const QFont& schrift,
                 const QColor& hintergrund) {
    QImage bild(groesse.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    bild.fill(hintergrund);
    QPainter p(&bild);
    trendMalen(p, store, layout, QRectF(QPointF(0, 0), QSizeF(groesse)), schrift);
    return bild;
}

std::optional<TrendTreffer> trendTrefferBei(const TrendStore& store, const TrendLayout& layout, const QRectF& ziel,
                                            const QPointF& pos) {
    const ChartAbbildung a(layout.rahmen, ziel);
    if (store.empty() || a.sx <= 0 || a.sy <= 0)
        return std::nullopt;
    for (const TrendStreifen& s : layout.streifen) {
        const Pixel f = pixelFlaeche(a, s);
        if (pos.y() < f.oben - kFang || pos.y() > f.oben + f.hoehe + kFang || pos.x() < f.links - kFang ||
            pos.x() > f.links + f.breite + kFang)
            continue;
        const double zeit = layout.zeitBei((pos.x() - ziel.left()) / a.sx);
        const std::optional<std::size_t> i = store.naechste(zeit);
        if (!i)
            return std::nullopt;
        const double x = a.punkt(layout.x(store.zeit(*i)), 0).x();
        if (std::abs(x - pos.x()) > kFang)
            return std::nullopt;
        return TrendTreffer{s.reihe, *i};
    }
    return std::nullopt;
}

QString trendHinweis(const TrendStore& store, const TrendTreffer& treffer, std::string_view trenner,
                     const Translator& t) {
    const auto T = [&](const char* deutsch) { return QString::fromStdString(t ? t(deutsch) : deutsch); };
    QString text = T("Zeit:") + QLatin1Char(' ') +
                   QString::fromStdString(zeitText(store.zeit(treffer.index), 1, trenner)) + QLatin1Char('\n') +
                   QString::fromStdString(trendTitel(treffer.reihe, t)) + QStringLiteral(": ");
    if (const std::optional<double> v = store.wert(treffer.reihe, treffer.index))
        return text + QString::fromStdString(trendWertText(treffer.reihe, *v, trenner));
    const std::uint8_t code = store.rohByte(treffer.reihe, treffer.index);
    text += T("Lücke, Code") + QLatin1Char(' ') + QString::number(code);
    if (code == 110)
        text += QStringLiteral(": ") + T("Frequenz zu hoch. Messung nicht möglich.");
    else if (code == 120)
        text += QStringLiteral(": ") + T("Nicht verfügbar.");
    return text;
}

} // namespace kav::measure
