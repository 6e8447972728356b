#pragma once
// The trend as pixels: one strip per series from the store's min/max per
// pixel column, limit bands and lines, gaps shaded, and the axes and texts
// through the oscillation chart's painter. The trend window keeps its
// picture through these functions, so a printout draws the same picture.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>
#include <optional>
#include <string_view>

#include "measure_host.h"
#include "trend_layout.h"
#include "trend_store.h"

class QPainter;

namespace kav::measure {

// The layout (box units) drawn onto a target rectangle of any painter.
void trendMalen(QPainter& p, const TrendStore& store, const TrendLayout& layout, const QRectF& ziel,
                const QFont& schrift);

// The whole trend in an image of `groesse` pixels on `hintergrund`.
QImage trendBild(const TrendStore& store, const TrendLayout& layout, const QSize& groesse, const QFont& schrift,
                 const QColor& hintergrund);

// The reading under a point of the target: the strip under it and the
// reading nearest in time (within a few pixels when readings are sparse).
struct TrendTreffer {
    TrendReihe reihe = TrendReihe::Drehzahl;
    std::size_t index = 0;
};
std::optional<TrendTreffer> trendTrefferBei(const TrendStore& store, const TrendLayout& layout, const QRectF& ziel,
                                            const QPointF& pos);

// "Zeit: 1:23,5" and "Drehzahl (1/min): 1234,5", or for a code the gap with
// its note ("Lücke, Code 110: Frequenz zu hoch. Messung nicht möglich.").
QString trendHinweis(const TrendStore& store, const TrendTreffer& treffer, std::string_view trenner,
                     const Translator& t);

} // namespace kav::measure
