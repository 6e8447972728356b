// The history's picture and CSV: one strip per judged value, time across,
// each test a point in its verdict's colour.
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <charconv>
#include <cmath>

#include "display_rules.h"
#include "encoder_history.h"
#include "own_texts.h"
#include "result_records.h"

namespace kav::shell {

namespace {

std::string zahl(double v) {
    char buf[32];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
    return ec == std::errc() ? std::string(buf, end) : std::string();
}

QString kurz(double v) { return QString::fromStdString(zahl(std::round(v * 1000) / 1000)); }

} // namespace

const std::vector<VerlaufReihe>& verlaufReihen() {
    static const std::vector<VerlaufReihe> reihen = {
        {"Impulszahl", "Impulszahl", VerlaufArt::Zahl},
        {"Drehzahl", "Drehzahl (1/min)", VerlaufArt::Zahl},
        {"Versorgungsspannung", "Versorgungsspannung (V)", VerlaufArt::Zahl},
        {"Stromaufnahme", "Stromaufnahme (mA)", VerlaufArt::Zahl},
        {"Symmetrie0", "Symmetrie 0 (%)", VerlaufArt::Symmetrie},
        {"Symmetrie90", "Symmetrie 90 (%)", VerlaufArt::Symmetrie},
        {"Phasenlage", "Phasenlage (%)", VerlaufArt::Phasenlage},
        {"AnzahlAbweichungen", "Schlechtimpulse", VerlaufArt::Zahl},
        {"MaxPositiv", "Größte Abweichung + (%)", VerlaufArt::Byte},
        {"MaxNegativ", "Größte Abweichung - (%)", VerlaufArt::Byte},
    };
    return reihen;
}

std::optional<double> verlaufWert(VerlaufArt art, double archiviert) {
    if (art == VerlaufArt::Zahl)
        return archiviert;
    if (!(archiviert >= 0 && archiviert <= 255))
        return std::nullopt;
    const auto byte = static_cast<std::uint8_t>(archiviert);
    if (art != VerlaufArt::Byte &&
        measure::istProzentCode(byte, art == VerlaufArt::Symmetrie ? measure::PercentKind::Symmetrie
                                                                   : measure::PercentKind::Phasenlage))
        return std::nullopt;
    return measure::vorzeichenbehaftet(byte);
}

bool GeberVerlauf::hatReihe(std::size_t i) const {
    return std::any_of(tests.begin(), tests.end(), [i](const VerlaufTest& t) { return i < t.werte.size() && t.werte[i]; });
}

QColor urteilFarbe(const std::optional<QString>& verdict) {
    if (!verdict)
        return QColor(128, 128, 128);
    if (*verdict == QLatin1String("PASS"))
        return QColor(0, 160, 0);
    if (*verdict == QLatin1String("FAIL"))
        return QColor(210, 0, 0);
    return QColor(230, 140, 0);
}

std::vector<VerlaufPunkt> verlaufMalen(QPainter& p, const GeberVerlauf& v, const QRectF& ziel, const QFont& schrift) {
    std::vector<VerlaufPunkt> punkte;
    p.save();
    p.setFont(schrift);
    const QFontMetricsF fm(schrift, p.device());
    const qreal zeile = fm.height();
    const qreal linie = std::max<qreal>(1, zeile / 14);
    const qreal radius = std::max<qreal>(2.5, zeile / 4);

    // Title and the colours' legend.
    p.setPen(Qt::black);
    const QString titel = eigenerText("Verlauf des Gebers") + QStringLiteral(" ") + v.encoderSerial +
                          QStringLiteral("   ") + eigenerText("Tests") + QStringLiteral(": ") +
                          QString::number(v.tests.size());
    p.drawText(QPointF(ziel.left(), ziel.top() + fm.ascent()), titel);
    qreal lx = ziel.left();
    const qreal ly = ziel.top() + zeile * 1.5;
    const std::pair<std::optional<QString>, QString> legende[] = {
        {QStringLiteral("PASS"), QStringLiteral("PASS")},
        {QStringLiteral("FAIL"), QStringLiteral("FAIL")},
        {QStringLiteral("INCOMPLETE"), QStringLiteral("INCOMPLETE")},
        {std::nullopt, eigenerText("ohne Urteil")}};
    for (const auto& [urteil, text] : legende) {
        p.setPen(Qt::NoPen);
        p.setBrush(urteilFarbe(urteil));
        p.drawEllipse(QPointF(lx + radius, ly + zeile / 2), radius, radius);
        p.setPen(Qt::black);
        p.drawText(QPointF(lx + 3 * radius, ly + fm.ascent()), text);
        lx += 3 * radius + fm.horizontalAdvance(text) + zeile;
    }

    std::vector<std::size_t> reihen;
    for (std::size_t i = 0; i < verlaufReihen().size(); ++i)
        if (v.hatReihe(i))
            reihen.push_back(i);
    const qreal oben = ly + zeile * 1.5;
    const qreal unten = ziel.bottom() - zeile * 1.5; // room for the time axis
    const qreal links = ziel.left() + fm.horizontalAdvance(QStringLiteral("-00000.0")) + zeile / 2;
    const qreal rechts = ziel.right() - zeile;
    if (reihen.empty() || unten <= oben || rechts <= links) {
        p.restore();
        return punkte;
    }

    // Time across: first to last test (a single test in the middle).
    const qint64 t0 = v.tests.front().zeit.toSecsSinceEpoch();
    const qint64 t1 = v.tests.back().zeit.toSecsSinceEpoch();
    const auto xVon = [&](const VerlaufTest& t) {
        if (t1 <= t0)
            return (links + rechts) / 2;
        return links + (rechts - links) * static_cast<qreal>(t.zeit.toSecsSinceEpoch() - t0) / static_cast<qreal>(t1 - t0);
    };

    const qreal hoehe = (unten - oben) / static_cast<qreal>(reihen.size());
    for (std::size_t s = 0; s < reihen.size(); ++s) {
        const std::size_t r = reihen[s];
        const QRectF streifen(links, oben + hoehe * static_cast<qreal>(s) + zeile * 1.2, rechts - links,
                              hoehe - zeile * 1.2 - radius);
        double lo = 0, hi = 0;
        bool erster = true;
        for (const VerlaufTest& t : v.tests)
            if (r < t.werte.size() && t.werte[r]) {
                lo = erster ? *t.werte[r] : std::min(lo, *t.werte[r]);
                hi = erster ? *t.werte[r] : std::max(hi, *t.werte[r]);
                erster = false;
            }
        if (hi - lo < 1e-9) { // one value: a band around it
            lo -= 1;
            hi += 1;
        }
        const auto yVon = [&](double w) { return streifen.bottom() - streifen.height() * (w - lo) / (hi - lo); };

        p.setPen(QPen(Qt::black, linie));
        p.setBrush(Qt::NoBrush);
        p.drawText(QPointF(links, streifen.top() - zeile * 0.3), eigenerText(verlaufReihen()[r].titel));
        p.drawRect(streifen);
        p.drawText(QRectF(ziel.left(), streifen.top() - zeile / 2, links - ziel.left() - zeile / 4, zeile),
                   Qt::AlignRight | Qt::AlignVCenter, kurz(hi));
        p.drawText(QRectF(ziel.left(), streifen.bottom() - zeile / 2, links - ziel.left() - zeile / 4, zeile),
                   Qt::AlignRight | Qt::AlignVCenter, kurz(lo));

        // A thin line joins the tests, so the drift shows; the points on top.
        QPolygonF linienzug;
        for (std::size_t i = 0; i < v.tests.size(); ++i) {
            const VerlaufTest& t = v.tests[i];
            if (r < t.werte.size() && t.werte[r])
                linienzug << QPointF(xVon(t), yVon(*t.werte[r]));
        }
        p.setPen(QPen(QColor(160, 160, 160), linie));
        p.drawPolyline(linienzug);
        p.setPen(Qt::NoPen);
        for (std::size_t i = 0; i < v.tests.size(); ++i) {
            const VerlaufTest& t = v.tests[i];
            if (r >= t.werte.size() || !t.werte[r])
                continue;
            const QPointF ort(xVon(t), yVon(*t.werte[r]));
            const QColor farbe = urteilFarbe(t.verdict);
            p.setBrush(farbe);
            p.drawEllipse(ort, radius, radius);
            punkte.push_back({i, r, ort, farbe});
        }
    }

    // The time axis: the first and the last test's date.
    p.setPen(Qt::black);
    const qreal ty = ziel.bottom() - zeile * 0.3;
    const QString von = v.tests.front().zeit.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    const QString bis = v.tests.back().zeit.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    p.drawText(QPointF(links, ty), von);
    if (t1 > t0)
        p.drawText(QPointF(rechts - fm.horizontalAdvance(bis), ty), bis);
    p.restore();
    return punkte;
}

QImage verlaufBild(const GeberVerlauf& v, const QSize& groesse, const QFont& schrift) {
    QImage bild(groesse, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    verlaufMalen(p, v, QRectF(QPointF(8, 8), QSizeF(groesse) - QSizeF(16, 16)), schrift);
    return bild;
}

void verlaufCsvSchreiben(std::ostream& aus, const GeberVerlauf& v) {
    aus << "taken,id,type,verdict";
    for (const VerlaufReihe& r : verlaufReihen())
        aus << ',' << r.feld;
    aus << '\n';
    for (const VerlaufTest& t : v.tests) {
        aus << t.taken.toStdString() << ',' << t.id << ',' << t.type << ',' << (t.verdict ? t.verdict->toStdString() : "");
        for (std::size_t r = 0; r < verlaufReihen().size(); ++r) {
            aus << ',';
            if (r < t.werte.size() && t.werte[r])
                aus << zahl(*t.werte[r]);
        }
        aus << '\n';
    }
}

} // namespace kav::shell
