// Where the parts of a printout land on the paper, and the painting of them.
// The oscillation and current-values pages follow the printer layout of the
// program: the header line at (600, 1500) in 8 point, the chart at
// (600, 1650) scaled by z, rows of "caption value" at fixed fractions of the
// scaled width.
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "chart_image.h"
#include "printout.h"

namespace kav::records {

namespace {

constexpr double kLinks = 600;   // left margin of every line
constexpr double kKopfY = 1500;  // the header line
constexpr double kAbstand = 150; // between the header line and the picture, and between rows
constexpr int kKopfPunkte = 8;   // the header line's font size

double twips(int pixel) { return pixel * kTwipsProPixel; }

// A screen font as the printer takes it: its size and weight, the pixel size
// in twips.
QFont druckSchrift(const QFont& bildschirm) {
    QFont f = bildschirm;
    const double pixel = bildschirm.pixelSize() > 0 ? bildschirm.pixelSize() : bildschirm.pointSizeF() * 96.0 / 72.0;
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(pixel * kTwipsProPixel))));
    return f;
}

QFont kopfSchrift(const QFont& basis) {
    QFont f = basis;
    f.setBold(false);
    f.setPixelSize(kKopfPunkte * 20); // 20 twips per point
    return f;
}

class Elemente {
public:
    void text(const QString& t, double x, double y, const QFont& f, const QColor& farbe = Qt::black) {
        DruckElement e;
        e.text = t;
        e.ort = {x, y};
        e.schrift = f;
        e.farbe = farbe;
        liste.push_back(std::move(e));
    }
    // "caption value" as a page's label and box read together.
    void beschriftet(const QString& vorne, const Beschriftet& b, double x, double y, const QFont& f,
                     const QString& zwischen = QStringLiteral(" ")) {
        text(vorne + b.titel + zwischen + b.text, x, y, f);
    }
    void flaeche(DruckElement::Art art, const QRectF& r) {
        DruckElement e;
        e.art = art;
        e.rect = r;
        liste.push_back(std::move(e));
    }
    std::vector<DruckElement> liste;
};

const QString kStrich = QStringLiteral(" | ");

void kopf(Elemente& e, const Druckseite& s, const QFont& basis) {
    e.text(kopfzeileText(s.kopf), kLinks, kKopfY, kopfSchrift(basis));
}

void drehschwebung(Elemente& e, const Druckseite& s, const DrehschwebungDruck& o, const QSizeF& bereich) {
    const double pw = std::round(twips(s.masse.diagramm.width()));
    const double ph = std::round(twips(s.masse.diagramm.height()));
    const double z = zoom(s.masse.diagramm, bereich);
    kopf(e, s, o.zeilenSchrift);
    e.flaeche(DruckElement::Art::Diagramm, QRectF(kLinks, kKopfY + kAbstand, pw * z, ph * z));

    const QFont f = druckSchrift(o.zeilenSchrift);
    const double y1 = z * ph + kKopfY + kAbstand;
    const double y2 = y1 + twips(s.masse.zeilenHoehe);
    const double x[] = {kLinks, 2 * z * pw / 5, 5 * z * pw / 7};
    e.beschriftet({}, o.umdrehungen, x[0], y1, f);
    e.beschriftet(kStrich, o.min, x[1], y1, f);
    e.beschriftet(kStrich, o.max, x[2], y1, f);
    e.beschriftet({}, o.impulszahl, x[0], y2, f);
    e.beschriftet(kStrich, o.drehzahl, x[1], y2, f);
    e.beschriftet(kStrich, o.frequenz, x[2], y2, f);
}

// Rows spaced by a display's caption and its note plus 150: the displays two
// to a row (their captions are long), the note under each; then supply and
// current; then pulse number, speed and frequency.
void aktuell(Elemente& e, const Druckseite& s, const AktuellDruck& a, const QSizeF& bereich) {
    const double pw = std::round(twips(s.masse.panel.width()));
    const double z = zoom(s.masse.panel, bereich);
    kopf(e, s, a.werteSchrift);

    const QFont f = druckSchrift(a.werteSchrift);
    const double zeile = twips(s.masse.anzeigeHoehe) + twips(s.masse.hinweisHoehe) + kAbstand;
    auto y = [&](int reihe) { return kKopfY + (reihe + 1) * zeile; };
    const double halb = z * pw / 2, drittel = z * pw / 3, zweiDrittel = 2 * z * pw / 3;
    const QString doppelpunkt = QStringLiteral(": ");
    const QString einzug = QStringLiteral("  ");
    e.beschriftet({}, a.sym0, kLinks, y(0), f, doppelpunkt);
    e.beschriftet({}, a.sym90, halb, y(0), f, doppelpunkt);
    e.beschriftet({}, a.phl, kLinks, y(1), f, doppelpunkt);
    e.beschriftet(einzug, a.versorgung, kLinks, y(2), f);
    e.beschriftet(einzug, a.strom, halb, y(2), f);
    e.beschriftet({}, a.impulszahl, kLinks, y(3), f);
    e.beschriftet(kStrich, a.drehzahl, drittel, y(3), f);
    e.beschriftet(kStrich, a.frequenz, zweiDrittel, y(3), f);

    const QFont h = druckSchrift(a.hinweisSchrift);
    const QPointF orte[] = {{kLinks, y(0)}, {halb, y(0)}, {kLinks, y(1)}};
    for (std::size_t i = 0; i < 3; ++i)
        if (!a.hinweise[i].isEmpty())
            e.text(a.hinweise[i], orte[i].x(), orte[i].y() + twips(s.masse.anzeigeHoehe), h, QColor(180, 0, 0));
}

// The bad-pulse page: the ring scaled as the panel, beside it the two largest
// deviations and the list in the ring's colours, below it the frame data
// and the legend.
void schlechtimpulse(Elemente& e, const Druckseite& s, const SchlechtimpulsDruck& b, const QSizeF& bereich) {
    const double pw = std::round(twips(s.masse.panel.width()));
    const double z = zoom(s.masse.panel, bereich);
    kopf(e, s, b.schrift);
    // Below the header line: the ring's labels reach up to its own edge.
    const double oben = kKopfY + QFontMetricsF(kopfSchrift(b.schrift)).height() + kAbstand;
    const QRectF ring(kLinks, oben, twips(s.masse.ring.width()) * z, twips(s.masse.ring.height()) * z);
    e.flaeche(DruckElement::Art::Bild, ring);

    const QFont f = druckSchrift(b.schrift);
    QFont fett = f;
    fett.setBold(true);
    const QFontMetricsF m(f);
    const double zeile = twips(s.masse.zeilenHoehe);
    const double x0 = ring.right() + 3 * kAbstand;
    const double spalte1 = x0 + kAbstand;
    const double spalte2 = spalte1 + std::max(2700.0, m.horizontalAdvance(b.position + QStringLiteral(" 000000  ")));
    auto wertNeben = [&](const Beschriftet& t, double x, double y, const QColor& farbe) {
        e.text(t.titel, x, y, f);
        e.text(t.text, x + m.horizontalAdvance(t.titel + u' '), y, f, farbe);
    };
    double y = ring.top();
    for (const auto& [titel, pos, wert, farbe] :
         {std::tuple{&b.titelPositiv, &b.maxPositivPos, &b.maxPositiv, b.farbePositiv},
          std::tuple{&b.titelNegativ, &b.maxNegativPos, &b.maxNegativ, b.farbeNegativ}}) {
        e.text(*titel, x0, y, fett);
        y += zeile;
        wertNeben(*pos, spalte1, y, farbe);
        wertNeben(*wert, spalte2, y, farbe);
        y += zeile + kAbstand;
    }
    e.text(b.titelListe, x0, y, fett);
    y += zeile;
    e.text(b.position, spalte1, y, f);
    e.text(b.wert, spalte2, y, f);
    for (const auto& eintrag : b.liste) {
        y += zeile;
        e.text(eintrag[0], spalte1, y, f, b.farbeListe);
        e.text(eintrag[1], spalte2, y, f, b.farbeListe);
    }

    y = std::max(ring.bottom(), y + zeile) + 2 * kAbstand;
    e.beschriftet({}, b.impulszahl, kLinks, y, f);
    e.beschriftet(kStrich, b.drehzahl, z * pw / 3, y, f);
    e.beschriftet(kStrich, b.frequenz, 2 * z * pw / 3, y, f);
    y += zeile;
    e.beschriftet({}, b.anzahl, kLinks, y, f);
    y += zeile + kAbstand;
    e.text(b.legendePositiv, kLinks, y, f, b.farbePositiv);
    e.text(b.legendeNegativ, z * pw / 2, y, f, b.farbeNegativ);
}

} // namespace

double zoom(const QSize& pixel, const QSizeF& bereich) {
    const double pw = std::round(twips(pixel.width()));
    const double ph = std::round(twips(pixel.height()));
    if (pw <= 0 || ph <= 0)
        return 0;
    return std::max(0.0, std::min((bereich.width() - 30 - kLinks) / pw, (bereich.height() - 30) / ph));
}

std::vector<DruckElement> druckElemente(const Druckseite& s, const QSizeF& bereich) {
    Elemente e;
    if (const auto* o = std::get_if<DrehschwebungDruck>(&s.inhalt))
        drehschwebung(e, s, *o, bereich);
    else if (const auto* a = std::get_if<AktuellDruck>(&s.inhalt))
        aktuell(e, s, *a, bereich);
    else if (const auto* b = std::get_if<SchlechtimpulsDruck>(&s.inhalt))
        schlechtimpulse(e, s, *b, bereich);
    e.liste.insert(e.liste.end(), s.zusatz.begin(), s.zusatz.end());
    return std::move(e.liste);
}

void druckMalen(QPainter& p, const Druckseite& s, const QSizeF& bereich) {
    for (const DruckElement& e : druckElemente(s, bereich)) {
        switch (e.art) {
        case DruckElement::Art::Text: {
            p.setFont(e.schrift);
            p.setPen(e.farbe);
            const QFontMetricsF m(e.schrift);
            p.drawText(QPointF(e.ort.x(), e.ort.y() + m.ascent()), e.text);
            break;
        }
        case DruckElement::Art::Diagramm: {
            const auto& o = std::get<DrehschwebungDruck>(s.inhalt);
            p.save();
            // Samples beyond the axis end at the picture's edge, as on the screen.
            p.setClipRect(e.rect, Qt::IntersectClip);
            measure::achsenMalen(p, o.layout, e.rect, o.diagrammSchrift);
            measure::punkteMalen(p, o.layout, o.samples, e.rect);
            p.restore();
            break;
        }
        case DruckElement::Art::Bild: {
            const auto& b = std::get<SchlechtimpulsDruck>(s.inhalt);
            if (!b.ring.isNull()) {
                p.save();
                p.setRenderHint(QPainter::SmoothPixmapTransform, true);
                p.drawImage(e.rect, b.ring);
                p.restore();
            }
            break;
        }
        case DruckElement::Art::Flaeche:
            p.save();
            p.setPen(QPen(e.farbe, 15));
            p.setBrush(e.fuellung);
            p.drawRect(e.rect);
            p.restore();
            break;
        }
    }
}

} // namespace kav::records
