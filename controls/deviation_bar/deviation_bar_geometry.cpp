#include "deviation_bar_geometry.h"

#include <cmath>

namespace kav::controls::deviation_bar {

namespace {

// A control smaller than its text room would give the rings a negative size;
// a shape cannot have one, so they shrink to nothing instead.
QRectF boxFromEdges(double left, double top, double right, double bottom) {
    return QRectF(left, top, qMax(0.0, right - left), qMax(0.0, bottom - top));
}

QPointF unit(double angle) { return QPointF(std::sin(angle), std::cos(angle)); }

} // namespace

QString innerRingText(qint16 impulsZahl) {
    const QString digits = QString::number(qAbs(static_cast<int>(impulsZahl)));
    return QString(qMax(0, static_cast<int>(digits.size()) - 1), QLatin1Char('0'));
}

CircleShape outerCircle(double width, double height, const TextMeasure& measure) {
    const QString t = QStringLiteral("000");
    const double tw = measure.textWidth(t);
    const double th = measure.textHeight(t);
    CircleShape c;
    c.box = boxFromEdges(tw + kRingMargin, th + kRingMargin, width - tw - kRingMargin, height - th - kRingMargin);
    c.visible = true;
    return c;
}

CircleShape innerCircle(const CircleShape& outer, const QString& zeros, const TextMeasure& measure) {
    const double sw = measure.textWidth(zeros);
    const double sh = measure.textHeight(zeros);
    const double left = outer.box.left();
    const double top = outer.box.top();
    const double right = left + outer.box.width();
    const double bottom = top + outer.box.height();
    CircleShape c;
    c.box = boxFromEdges(left + sw + kInnerGap, top + sh + kInnerGap, right - sw - kInnerGap, bottom - sh - kInnerGap);
    c.visible = true;
    return c;
}

Label centreLabel(double width, double height, qint16 impulsZahl, const TextMeasure& measure) {
    Label l;
    l.caption = QString::number(impulsZahl);
    l.topLeft = QPointF(width / 2 - measure.textWidth(l.caption) / 2, height / 2 - measure.textHeight(l.caption) / 2);
    l.foreColour = kCentreLabelColour;
    l.visible = true;
    return l;
}

double markAngle(double position, double n) {
    const double half = n / 2;
    return (half - position) * kPi / half;
}

MarkLines markLines(double position, double n, double diameter, QPointF centre, qint32 colour) {
    const double a = markAngle(position, n);
    const double r = diameter / 2;
    MarkLines m;
    const QPointF p = r * unit(a) + centre;
    m.pointer = Line{p, (r + kPointerLength) * unit(a) + centre, colour, true};
    m.leftWing = Line{p - kWingLength * unit(a - kQuarterPi), p, colour, true};
    m.rightWing = Line{p - kWingLength * unit(a + kQuarterPi), p, colour, true};
    return m;
}

int positionLabelSector(double p, double n) {
    for (int k = 1; k < 8; ++k) {
        if (p <= k * n / 8)
            return k - 1;
    }
    return 7;
}

int percentLabelSector(double p, double n) {
    if (p <= n / 8)
        return 0;
    if (p <= 3 * n / 8)
        return 1;
    if (p <= 5 * n / 8)
        return 2;
    if (p <= 7 * n / 8)
        return 3;
    return 4;
}

QPointF positionLabelTopLeft(double p, double n, const MarkLines& lines, double w, double t) {
    const QPointF z1 = lines.pointer.from;
    const QPointF l1 = lines.leftWing.from;
    const QPointF r1 = lines.rightWing.from;
    const double quarter = n / 4;
    const double g = kLabelGap;
    switch (positionLabelSector(p, n)) {
    case 0: return {z1.x() - (n / 8 + p) * w / quarter - g, l1.y()};
    case 1: return {r1.x() - w - g, l1.y()};
    case 2: return {l1.x() - w - g, r1.y() - t};
    case 3: return {z1.x() - (w - (p - 3 * n / 8) * w / quarter) - g, r1.y() - t};
    case 4: return {z1.x() - (w - (p - 3 * n / 8) * w / quarter) + g, l1.y() - t + g};
    case 5: return {r1.x() + g, l1.y() - t + g};
    case 6: return {l1.x() + g, r1.y() + g};
    default: return {z1.x() - (p - 7 * n / 8) * w / quarter + g, r1.y()};
    }
}

QPointF percentLabelTopLeft(double p, double n, const MarkLines& lines, double w, double t) {
    const QPointF z2 = lines.pointer.to;
    const double quarter = n / 4;
    const double g = kLabelGap;
    switch (percentLabelSector(p, n)) {
    case 0: return {z2.x() - (w - (n / 8 + p) * w / quarter) + g, z2.y() - t};
    case 1: return {z2.x() + g, z2.y() - (t - (p - n / 8) * t / quarter) + g};
    case 2: return {z2.x() - (p - 3 * n / 8) * w / quarter + g, z2.y() + g};
    case 3: return {z2.x() - w - g, z2.y() - (p - 5 * n / 8) * t / quarter - g};
    default: return {z2.x() - (w - (p - 7 * n / 8) * w / quarter) + g, z2.y() - t};
    }
}

bool positionOnRing(qint16 position, qint16 impulsZahl) { return position >= 1 && position <= impulsZahl; }

Mark hiddenMark(const Mark& previous) {
    Mark m = previous;
    m.pointer.visible = false;
    m.leftWing.visible = false;
    m.rightWing.visible = false;
    m.position.visible = false;
    m.percent.visible = false;
    return m;
}

Mark drawMark(const MarkInput& input, qint16 impulsZahl, const CircleShape& outer, QPointF centre,
              const TextMeasure& measure, const Mark& previous) {
    // Only positions on the ring are drawn, so n is at least 1 below.
    if (!positionOnRing(input.position, impulsZahl))
        return hiddenMark(previous);
    const double n = impulsZahl;
    const double p = input.position;
    const MarkLines lines = markLines(p, n, outer.diameter(), centre, input.colour);

    Mark m = previous;
    m.pointer = lines.pointer;
    m.leftWing = lines.leftWing;
    m.rightWing = lines.rightWing;
    if (!input.showLabels)
        return m;

    m.position.caption = QString::number(input.position);
    m.position.foreColour = input.colour;
    m.position.topLeft = positionLabelTopLeft(p, n, lines, measure.textWidth(m.position.caption),
                                              measure.textHeight(m.position.caption));
    m.position.visible = true;

    m.percent.caption = QString::number(input.value) + QLatin1Char('%');
    m.percent.foreColour = input.colour;
    m.percent.topLeft =
        percentLabelTopLeft(p, n, lines, measure.textWidth(m.percent.caption), measure.textHeight(m.percent.caption));
    m.percent.visible = true;
    return m;
}

Layout computeLayout(const BarInput& input, const TextMeasure& measure, const Layout& previous) {
    Layout out = previous;
    if (!input.enabled) {
        out.outer.visible = false;
        out.inner.visible = false;
        out.centre.visible = false;
        for (Mark& m : out.marks)
            m = hiddenMark(m);
        return out;
    }

    out.outer = outerCircle(input.width, input.height, measure);
    out.inner = innerCircle(out.outer, innerRingText(input.impulsZahl), measure);
    out.centre = centreLabel(input.width, input.height, input.impulsZahl, measure);

    const QPointF centre(input.width / 2, input.height / 2);
    for (int i = 0; i < kMaxMark; ++i)
        out.marks[i] = drawMark(input.marks[i], input.impulsZahl, out.outer, centre, measure, previous.marks[i]);

    // For the two largest deviations the flag hides the whole mark.
    for (int i : {kMaxMark, kMinMark}) {
        const MarkInput& mi = input.marks[i];
        if (mi.showLabels && positionOnRing(mi.position, input.impulsZahl))
            out.marks[i] = drawMark(mi, input.impulsZahl, out.outer, centre, measure, previous.marks[i]);
        else
            out.marks[i] = hiddenMark(previous.marks[i]);
    }
    return out;
}

} // namespace kav::controls::deviation_bar
