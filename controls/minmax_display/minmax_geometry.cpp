#include "minmax_geometry.h"

#include <cmath>
#include <limits>

namespace kav::controls::minmax {

int floorToInt(double value) {
    if (std::isnan(value))
        return 0;
    const double f = std::floor(value);
    if (f <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    if (f >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    return static_cast<int>(f);
}

int toPixels(int twips) { return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel)); }

int toTwips(int pixels) { return pixels * kTwipsPerPixel; }

QString valueText(float value) {
    if (value == 0.0f)
        return QStringLiteral("0"); // no "-0"
    return QString::number(static_cast<double>(value), 'G', 7);
}

namespace {

Line vertical(int x, int height) { return Line{true, x, 0, x, height}; }

} // namespace

Layout computeLayout(const Input& in) {
    Layout out;
    int w = in.width;
    int h = in.height;

    if (h < in.minHeight)
        h = in.minHeight;

    int barWidth = 0;
    if (in.wertVisible) {
        const int smallest = in.minTxtGroesse + in.wertGrafikAbst + in.minWidth;
        if (w < smallest)
            w = smallest;
        int box = in.txtGroesse;
        if ((box + in.wertGrafikAbst + in.minWidth > w || box < in.minTxtGroesse) && box != in.minTxtGroesse) {
            out.resetTxtGroesse = true;
            box = in.minTxtGroesse;
        }
        out.boxWidth = box;
        out.lblWert = Rect{true, w - box, 0, box, h};
        barWidth = w - box - in.wertGrafikAbst;
        const bool outside = in.iValue < in.iOMin || in.iValue > in.iOMax;
        out.boxWarning = in.ufZeigen && outside;
        out.text = valueText(in.iValue);
    } else {
        if (w < in.minWidth)
            w = in.minWidth;
        barWidth = w;
        out.lblWert = Rect{false, 0, 0, 0, h};
    }
    out.width = w;
    out.height = h;
    out.shpHintergrund = Rect{true, 0, 0, barWidth, h};

    // An empty scale (iMax equal to iMin) would divide by zero: the bar and
    // the box stay, nothing is placed on the scale.
    const double span = static_cast<double>(in.iMax) - static_cast<double>(in.iMin);
    out.scaled = span != 0.0 && std::isfinite(span);
    const double k = out.scaled ? barWidth / span : 0.0;
    out.scale = k;
    const auto at = [&](float x) { return floorToInt(k * (static_cast<double>(x) - static_cast<double>(in.iMin))); };

    if (out.scaled) {
        const int left = at(in.iOMin);
        const double width = static_cast<double>(at(in.iOMax)) - left;
        out.shpGBereich = Rect{true, left, 0, floorToInt(width), h};
    } else {
        out.shpGBereich = Rect{false, 0, 0, 0, h};
    }

    const int mid = floorToInt(h / 2.0);
    if (in.iValue >= in.iMin && in.iValue <= in.iMax) {
        if (out.scaled)
            out.linWert = vertical(at(in.iValue), h);
    } else if (in.iValue > in.iMax) {
        out.linRechtsOben = Line{true, barWidth - kArrowLength, 0, barWidth, mid};
        out.linRechtsUnten = Line{true, barWidth - kArrowLength, h, barWidth, mid};
    } else if (in.iValue < in.iMin) {
        out.linLinksOben = Line{true, 0, mid, kArrowLength, 0};
        out.linLinksUnten = Line{true, 0, mid, kArrowLength, h};
    }

    if (out.scaled && !(in.iMax <= 0.0f || in.iMin >= 0.0f)) {
        out.linZero = vertical(floorToInt(-k * static_cast<double>(in.iMin)), h);
    }
    return out;
}

} // namespace kav::controls::minmax
