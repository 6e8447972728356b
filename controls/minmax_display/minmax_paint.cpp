#include "minmax_paint.h"

#include <QPainter>
#include <QPalette>

#include <algorithm>

#include "ole_color.h"

namespace kav::controls::minmax {

namespace {

// The shapes' fill styles: solid, transparent, horizontal, vertical, upward
// diagonal, downward diagonal, cross, diagonal cross.
Qt::BrushStyle fillPattern(qint16 fillStyle) {
    switch (fillStyle) {
    case 0: return Qt::SolidPattern;
    case 2: return Qt::HorPattern;
    case 3: return Qt::VerPattern;
    case 4: return Qt::BDiagPattern;
    case 5: return Qt::FDiagPattern;
    case 6: return Qt::CrossPattern;
    case 7: return Qt::DiagCrossPattern;
    default: return Qt::NoBrush;
    }
}

// Kept within a range QRect can hold: parts far off the control are clipped anyway.
int pixelsClamped(qint64 twips) {
    constexpr qint64 kLimit = 1'000'000;
    return toPixels(static_cast<int>(std::clamp(twips, -kLimit * kTwipsPerPixel, kLimit * kTwipsPerPixel)));
}

QRect pixelRect(const Rect& r) {
    const int left = pixelsClamped(r.left);
    const int top = pixelsClamped(r.top);
    return QRect(left, top, pixelsClamped(qint64(r.left) + r.width) - left,
                 pixelsClamped(qint64(r.top) + r.height) - top);
}

void drawShape(QPainter& p, const Rect& r, const QColor& back, bool opaque, Qt::BrushStyle pattern, const QColor& fill,
               const QColor& border) {
    const QRect px = pixelRect(r);
    if (!r.visible || px.width() <= 0 || px.height() <= 0)
        return;
    if (opaque)
        p.fillRect(px, back);
    if (pattern != Qt::NoBrush)
        p.fillRect(px, QBrush(fill, pattern));
    p.setPen(QPen(border, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(px.adjusted(0, 0, -1, -1));
}

void drawLine(QPainter& p, const Line& l, const QColor& color, qint16 width) {
    if (!l.visible)
        return;
    QPen pen(color, std::max<int>(1, width));
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    p.drawLine(QPointF(pixelsClamped(l.x1), pixelsClamped(l.y1)), QPointF(pixelsClamped(l.x2), pixelsClamped(l.y2)));
}

} // namespace

void paintLayout(QPainter& p, const Layout& layout, const Style& style, const QPalette& palette, int widthPixels,
                 int heightPixels) {
    const auto color = [&](qint32 value) { return toQColor(value, palette); };
    p.fillRect(QRect(0, 0, widthPixels, heightPixels), color(style.backColor));
    p.setRenderHint(QPainter::Antialiasing, false);

    drawShape(p, layout.shpHintergrund, color(style.hintBackColor), style.hintBackStyle != 0,
              fillPattern(style.hintFillStyle), color(style.hintFillColor), color(style.hintBorderColor));
    drawShape(p, layout.shpGBereich, color(style.gberBackColor), true, Qt::NoBrush, QColor(),
              color(style.gberBorderColor));

    drawLine(p, layout.linZero, color(style.zeroColor), style.zeroWidth);
    drawLine(p, layout.linWert, color(style.wertGrColor), style.wertGrWidth);
    p.setRenderHint(QPainter::Antialiasing, true); // the arrows are slanted
    for (const Line* arrow :
         {&layout.linLinksOben, &layout.linLinksUnten, &layout.linRechtsOben, &layout.linRechtsUnten}) {
        drawLine(p, *arrow, color(style.pfeileColor), style.pfeileWidth);
    }
    p.setRenderHint(QPainter::Antialiasing, false);

    if (layout.lblWert.visible) {
        const QRect box = pixelRect(layout.lblWert);
        if (style.wertStyle != 0)
            p.fillRect(box, color(style.wertBackColor));
        if (style.wertBorder != 0) {
            p.setPen(QPen(Qt::black, 1));
            p.setBrush(Qt::NoBrush);
            p.drawRect(box.adjusted(0, 0, -1, -1));
        }
        p.setFont(style.font);
        p.setPen(color(style.fontColor));
        // Centred; a text wider than the box keeps its beginning readable.
        const QRect inner = box.adjusted(2, 0, -2, 0);
        const bool fits = p.fontMetrics().horizontalAdvance(layout.text) <= inner.width();
        p.drawText(inner, (fits ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter | Qt::TextSingleLine,
                   layout.text);
    }
}

} // namespace kav::controls::minmax
