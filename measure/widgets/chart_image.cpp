#include "chart_image.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace kav::measure {

namespace {

// Whole pixels: lines and points meet on the same pixel grid.
QPointF gerastert(QPointF p) { return {std::floor(p.x()), std::floor(p.y())}; }

QFont skaliert(const QFont& schrift, double massstab) {
    const double pixel = schrift.pixelSize() > 0 ? schrift.pixelSize() : QFontInfo(schrift).pixelSize();
    QFont f = schrift;
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(pixel * massstab))));
    return f;
}

} // namespace

QColor farbe(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

QSizeF layoutGroesse(const ChartLayout& l) {
    return {static_cast<double>(l.ZeichenBreite) + l.RandLinks + l.RandRechts,
            static_cast<double>(l.ZeichenHoehe) + l.RandOben + l.RandUnten};
}

ChartAbbildung::ChartAbbildung(const ChartLayout& layout, const QRectF& z) : ziel(z) {
    const QSizeF box = layoutGroesse(layout);
    sx = box.width() > 0 ? ziel.width() / box.width() : 0;
    sy = box.height() > 0 ? ziel.height() / box.height() : 0;
    massstab = std::min(sx, sy) * kBoxEinheitenProPixel;
}

void achsenMalen(QPainter& p, const ChartLayout& layout, const QRectF& ziel, const QFont& schrift) {
    if (!layout.ok())
        return;
    const ChartAbbildung a(layout, ziel);
    if (a.sx <= 0 || a.sy <= 0)
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor c = farbe(layout.GrafikFarbe);
    QPen stift(c);
    stift.setWidthF(std::max(1.0, std::round(a.massstab)));
    stift.setCapStyle(Qt::SquareCap);
    p.setPen(stift);
    for (const auto* linien : {&layout.achsen, &layout.striche})
        for (const ChartLine& l : *linien)
            p.drawLine(QLineF(gerastert(a.punkt(l.von.x, l.von.y)), gerastert(a.punkt(l.bis.x, l.bis.y))));

    const QFont f = skaliert(schrift, a.massstab);
    p.setFont(f);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    const QFontMetricsF m(f);
    for (const ChartLabel& b : layout.beschriftung) {
        const QString text = QString::fromUtf8(b.text);
        const double breite = m.horizontalAdvance(text);
        const double hoehe = m.height();
        const QPointF anker = a.punkt(b.anker.x, b.anker.y);
        using H = ChartLabel::Horizontal;
        using V = ChartLabel::Vertikal;
        const double links = b.horizontal == H::Left     ? anker.x()
                             : b.horizontal == H::Center ? anker.x() - breite / 2
                                                         : anker.x() - breite;
        const double oben = b.vertikal == V::Top      ? anker.y()
                            : b.vertikal == V::Middle ? anker.y() - hoehe / 2
                                                      : anker.y() - hoehe;
        p.drawText(QPointF(std::round(links), std::round(oben + m.ascent())), text);
    }
    p.restore();
}

void punkteMalen(QPainter& p, const ChartLayout& layout, const std::vector<std::int16_t>& samples, const QRectF& ziel) {
    if (!layout.ok() || samples.empty())
        return;
    const ChartAbbildung a(layout, ziel);
    if (a.sx <= 0 || a.sy <= 0)
        return;
    // DrawWidth 3: a square of three pixels around the point.
    const int breite = std::max(1, static_cast<int>(std::lround(layout.punktBreite * a.massstab)));
    const int halb = breite / 2;
    std::vector<QRect> punkte;
    punkte.reserve(samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const QPointF q = gerastert(a.punkt(layout.GrafikX(static_cast<double>(i)), layout.GrafikY(samples[i])));
        punkte.emplace_back(static_cast<int>(q.x()) - halb, static_cast<int>(q.y()) - halb, breite, breite);
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(farbe(layout.GrafikFarbe));
    p.drawRects(punkte.data(), static_cast<int>(punkte.size()));
    p.restore();
}

QImage chartBild(const ChartLayout& layout, const std::vector<std::int16_t>& samples, const QSize& groesse,
                 const QFont& schrift, const QColor& hintergrund) {
    QImage bild(groesse.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    bild.fill(hintergrund);
    QPainter p(&bild);
    const QRectF ziel(QPointF(0, 0), QSizeF(groesse));
    achsenMalen(p, layout, ziel, schrift);
    punkteMalen(p, layout, samples, ziel);
    return bild;
}

} // namespace kav::measure
