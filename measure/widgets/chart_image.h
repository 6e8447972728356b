#pragma once
// The oscillation chart as pixels: a chart layout (box units, twips) and the
// samples painted onto a target rectangle of any QPainter. The chart box
// keeps its picture through these functions, so a printout that calls them
// draws the very same picture, at the size it needs.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <cstdint>
#include <vector>

#include "chart_layout.h"

class QPainter;

namespace kav::measure {

// Box units per pixel of the box on the screen (twips).
inline constexpr double kBoxEinheitenProPixel = 15;

// A colour value 0x00BBGGRR as Qt's colour.
QColor farbe(std::uint32_t bgr);

// The size, in box units, of the box a layout was made for.
QSizeF layoutGroesse(const ChartLayout& layout);

// How the layout's box maps onto a target rectangle: pixels per box unit,
// and the factor by which the screen box's pixels grow (1 on the screen).
struct ChartAbbildung {
    QRectF ziel;
    double sx = 0, sy = 0;
    double massstab = 1;

    ChartAbbildung(const ChartLayout& layout, const QRectF& ziel);
    QPointF punkt(double x, double y) const { return {ziel.left() + x * sx, ziel.top() + y * sy}; }
};

// Axes, ticks, labels and the caption in the layout's colour. `schrift` is
// the box's font as on the screen; it grows with the target. Labels are
// placed by their anchors with the font's real text widths. Nothing is
// drawn for a layout with a failure message.
void achsenMalen(QPainter& p, const ChartLayout& layout, const QRectF& ziel, const QFont& schrift);

// One point per sample at (GrafikX(i), GrafikY(sample)), 3 screen pixels
// wide, in the layout's colour. Samples beyond the range land outside the
// drawing area (and are cut at the target's edge).
void punkteMalen(QPainter& p, const ChartLayout& layout, const std::vector<std::int16_t>& samples, const QRectF& ziel);

// The whole chart, as the chart box shows it, in an image of `groesse`
// pixels on `hintergrund`. A printout passes its own size; the screen size
// gives the box's own pixels.
QImage chartBild(const ChartLayout& layout, const std::vector<std::int16_t>& samples, const QSize& groesse,
                 const QFont& schrift, const QColor& hintergrund);

} // namespace kav::measure
