#include "dial_gauge_painting.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

namespace kav::controls::tacho {

namespace {

// 96 dots per inch: 1440 twips per inch / 15 twips per pixel.
constexpr int kDotsPerMeter = 3780;

QPointF toPixels(const QPointF& twips) { return twips / kTwipsPerPixel; }

QRectF toPixels(const QRectF& twips) { return {twips.topLeft() / kTwipsPerPixel, twips.size() / kTwipsPerPixel}; }

QPen linePen(const QColor& colour, int widthPixels) {
    QPen pen(colour);
    pen.setWidth(widthPixels);
    pen.setCapStyle(widthPixels > 1 ? Qt::RoundCap : Qt::SquareCap);
    return pen;
}

void drawText(QPainter& painter, const QRectF& rectTwips, const QString& text) {
    if (text.isEmpty())
        return;
    painter.drawText(toPixels(rectTwips), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
}

const QImage& measuringDevice() {
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(kDotsPerMeter);
        image.setDotsPerMeterY(kDotsPerMeter);
        return image;
    }();
    return device;
}

} // namespace

QFont dialFont(int pointSize, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

QSizeF measureText(const QString& text, int pointSize, bool bold) {
    const QFontMetricsF metrics(dialFont(pointSize, bold), &measuringDevice());
    return {metrics.horizontalAdvance(text) * kTwipsPerPixel, metrics.height() * kTwipsPerPixel};
}

TextMeasure fontTextMeasure() { return &measureText; }

QImage clearedBox(QSize pixelSize, qreal devicePixelRatio, const QColor& backColour) {
    const QSize physical = (QSizeF(pixelSize) * devicePixelRatio).toSize();
    QImage box(physical.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    box.setDevicePixelRatio(devicePixelRatio);
    box.setDotsPerMeterX(kDotsPerMeter);
    box.setDotsPerMeterY(kDotsPerMeter);
    box.fill(backColour);
    return box;
}

void paintScale(QImage& box, const ScaleLayout& layout, const ScaleColours& colours) {
    QPainter painter(&box);
    painter.setPen(linePen(colours.outer, layout.font.lineWidth));
    painter.drawArc(toPixels(layout.arcRect), qRound(layout.arcStart * 16), qRound(layout.arcSpan * 16));
    for (const Tick& tick : layout.ticks)
        painter.drawLine(toPixels(tick.line.from), toPixels(tick.line.to));

    painter.setPen(colours.numbers);
    painter.setFont(dialFont(layout.font.size, layout.font.bold));
    for (const ScaleLabel& label : layout.labels)
        drawText(painter, label.rect, label.text);
}

void paintPointerLayer(QImage& box, const PointerLayout& layout, const PointerColours& colours) {
    QPainter painter(&box);
    painter.setPen(colours.pointer);
    painter.setFont(dialFont(layout.valueFontSize, true));
    drawText(painter, layout.valueRect, layout.valueText);

    painter.setPen(linePen(colours.pointer, layout.pointerWidth));
    painter.drawLine(toPixels(layout.pointer.from), toPixels(layout.pointer.to));

    if (layout.dragMarkVisible) {
        painter.setPen(linePen(colours.dragMark, layout.dragMarkWidth));
        painter.drawLine(toPixels(layout.dragMark.from), toPixels(layout.dragMark.to));
    }

    painter.setPen(colours.caption);
    painter.setFont(dialFont(layout.font.size, layout.font.bold));
    drawText(painter, layout.captionRect, layout.caption);
}

} // namespace kav::controls::tacho
