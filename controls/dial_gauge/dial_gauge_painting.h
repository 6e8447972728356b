#pragma once
// Drawing of the two layers of the dial gauge onto an image, from the layouts
// of dial_gauge_geometry.h. Nothing here computes a position.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QSize>

#include "dial_gauge_geometry.h"

namespace kav::controls::tacho {

// The gauge's font: Arial (metric-compatible substitutes where it is missing).
QFont dialFont(int pointSize, bool bold);

// Text size in twips, measured at 96 dots per inch (15 twips per pixel), so
// measurement and drawing agree on every platform.
QSizeF measureText(const QString& text, int pointSize, bool bold);
TextMeasure fontTextMeasure();

// A cleared box: an image of the given pixel size filled with the back colour.
QImage clearedBox(QSize pixelSize, qreal devicePixelRatio, const QColor& backColour);

struct ScaleColours {
    QColor outer;   // arc and ticks
    QColor numbers; // labels
};
void paintScale(QImage& box, const ScaleLayout& layout, const ScaleColours& colours);

struct PointerColours {
    QColor pointer; // pointer and value digits
    QColor dragMark;
    QColor caption;
};
void paintPointerLayer(QImage& box, const PointerLayout& layout, const PointerColours& colours);

} // namespace kav::controls::tacho
