#include "dial_gauge_geometry.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace kav::controls::tacho {

namespace {

double radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

// Tick lengths in units: t1 at both ends, t2 at every sixth, t3 in between.
enum class TickUnit { T1, T2, T3 };

} // namespace

int roundToInteger(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5)
        return static_cast<int>(below) + 1;
    if (fraction < 0.5)
        return static_cast<int>(below);
    return std::fmod(below, 2.0) == 0.0 ? static_cast<int>(below) : static_cast<int>(below) + 1;
}

FontChoice SchriftGroesse(double widthTwips, double heightTwips) {
    const double c = (0.6 * widthTwips <= heightTwips) ? widthTwips : heightTwips;
    FontChoice choice;
    if (c > 9999)
        choice.size = 24;
    else if (c > 7999)
        choice.size = 18;
    else if (c > 5999)
        choice.size = 14;
    else if (c > 3999)
        choice.size = 12;
    else if (c > 2999)
        choice.size = 10;
    else
        choice.size = 8;
    choice.bold = c > 1999;
    choice.lineWidth = choice.bold ? 2 : 1;
    return choice;
}

DialFrame dialFrame(int widthTwips, int heightTwips) {
    DialFrame f;
    f.width = widthTwips;
    f.height = heightTwips;
    f.cx = roundToInteger(widthTwips / 2.0);
    f.cy = roundToInteger(heightTwips / 2.0);
    f.r = std::min(f.cx, f.cy) - kUnit;
    f.t1 = roundToInteger(f.r / 75.0);
    f.t2 = roundToInteger(f.r / 105.0);
    f.t3 = roundToInteger(f.r / 135.0);
    f.labelRadius = f.r - kUnit * f.t1;
    return f;
}

QPointF pointAtMathAngle(const DialFrame& frame, double degrees, double radius) {
    const double a = radians(degrees);
    return {frame.cx + radius * std::cos(a), frame.cy - radius * std::sin(a)};
}

QPointF pointAtScreenAngle(const DialFrame& frame, double degrees, double radius) {
    const double b = radians(degrees);
    return {frame.cx + radius * std::cos(b), frame.cy + radius * std::sin(b)};
}

int usableMax(int maxAnzahl) { return std::max(1, maxAnzahl); }

QString scaleLabelText(int maxAnzahl, int twelfths) {
    // Integer division keeps the digits before the decimal point without
    // the rounding noise of a floating-point twelfth.
    const qint64 scaled = static_cast<qint64>(maxAnzahl) * twelfths;
    return QString::number(scaled / 12);
}

ScaleLayout scaleLayout(int widthTwips, int heightTwips, int maxAnzahl, const TextMeasure& measure) {
    ScaleLayout s;
    s.frame = dialFrame(widthTwips, heightTwips);
    s.font = SchriftGroesse(widthTwips, heightTwips);
    const DialFrame& f = s.frame;
    s.arcRect = QRectF(f.cx - f.r, f.cy - f.r, 2.0 * f.r, 2.0 * f.r);

    static constexpr std::array<TickUnit, 13> units = {
        TickUnit::T1, TickUnit::T3, TickUnit::T2, TickUnit::T3, TickUnit::T2, TickUnit::T3, TickUnit::T2,
        TickUnit::T3, TickUnit::T2, TickUnit::T3, TickUnit::T2, TickUnit::T3, TickUnit::T1};
    for (std::size_t i = 0; i < units.size(); ++i) {
        Tick t;
        t.angle = 225.0 - 22.5 * static_cast<double>(i);
        const int unit = units[i] == TickUnit::T1 ? f.t1 : units[i] == TickUnit::T2 ? f.t2 : f.t3;
        t.length = kUnit * unit;
        t.line = {pointAtMathAngle(f, t.angle, f.r), pointAtMathAngle(f, t.angle, f.r - t.length)};
        s.ticks.push_back(t);
    }

    struct LabelDef {
        double angle;
        int twelfths;
        LabelAnchor anchor;
    };
    static constexpr std::array<LabelDef, 7> labelDefs = {{
        {225.0, 0, LabelAnchor::LeftBottom},
        {180.0, 2, LabelAnchor::LeftMiddle},
        {135.0, 4, LabelAnchor::LeftMiddle},
        {90.0, 6, LabelAnchor::CentreTop},
        {45.0, 8, LabelAnchor::RightMiddle},
        {0.0, 10, LabelAnchor::RightMiddle},
        {-45.0, 12, LabelAnchor::RightBottom},
    }};
    for (const LabelDef& def : labelDefs) {
        ScaleLabel label;
        label.angle = def.angle;
        label.twelfths = def.twelfths;
        label.anchor = def.anchor;
        // The ends show the stored values as they are; the rest are shares of full scale.
        label.text = def.twelfths == 0    ? QStringLiteral("0")
                     : def.twelfths == 12 ? QString::number(maxAnzahl)
                                          : scaleLabelText(maxAnzahl, def.twelfths);
        label.point = pointAtMathAngle(f, def.angle, f.labelRadius);
        const QSizeF size = measure ? measure(label.text, s.font.size, s.font.bold) : QSizeF();
        const double w = size.width();
        const double h = size.height();
        const QPointF p = label.point;
        QPointF topLeft;
        switch (def.anchor) {
        case LabelAnchor::LeftBottom: topLeft = {p.x() + kUnit, p.y() - h}; break;
        case LabelAnchor::RightBottom: topLeft = {p.x() - 2 * kUnit - w, p.y() - h}; break;
        case LabelAnchor::LeftMiddle: topLeft = {p.x() - kUnit, p.y() - h / 2}; break;
        case LabelAnchor::RightMiddle: topLeft = {p.x() - kUnit - w, p.y() - h / 2}; break;
        case LabelAnchor::CentreTop: topLeft = {p.x() - w / 2, p.y()}; break;
        }
        label.rect = QRectF(topLeft, size);
        s.labels.push_back(label);
    }
    return s;
}

double pointerAngle(int value, int maxAnzahl) {
    return 135.0 + 270.0 * static_cast<double>(value) / static_cast<double>(usableMax(maxAnzahl));
}

qint16 nextMaxReached(qint16 maxReached, qint16 value) { return maxReached < value ? value : maxReached; }

PointerLayout pointerLayout(int widthTwips, int heightTwips, int value, int maxAnzahl, int maxReached,
                            const QString& caption, const TextMeasure& measure) {
    PointerLayout p;
    p.frame = dialFrame(widthTwips, heightTwips);
    p.font = SchriftGroesse(widthTwips, heightTwips);
    const DialFrame& f = p.frame;

    p.valueFontSize = p.font.size + 6;
    p.valueText = QString::number(value);
    const QSizeF valueSize = measure ? measure(p.valueText, p.valueFontSize, true) : QSizeF();
    p.valueRect = QRectF(QPointF(f.cx - valueSize.width() / 2, heightTwips * 4.0 / 5.0), valueSize);

    const double b = pointerAngle(value, maxAnzahl);
    p.pointerWidth = p.font.lineWidth + 1;
    p.pointer = {QPointF(f.cx, f.cy), pointAtScreenAngle(f, b, f.labelRadius)};

    p.dragMarkWidth = p.font.lineWidth + 1;
    p.dragMarkVisible = maxReached >= 1;
    if (p.dragMarkVisible) {
        const double m = pointerAngle(maxReached, maxAnzahl);
        p.dragMark = {pointAtScreenAngle(f, m, f.r), pointAtScreenAngle(f, m, f.labelRadius)};
    }

    p.caption = caption;
    const QSizeF captionSize = measure ? measure(caption, p.font.size, p.font.bold) : QSizeF();
    p.captionRect = QRectF(QPointF(f.cx - captionSize.width() / 2, heightTwips * 9.0 / 10.0), captionSize);
    return p;
}

} // namespace kav::controls::tacho
