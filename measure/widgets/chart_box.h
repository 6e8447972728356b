#pragma once
// The chart box of the rotational oscillation (the window's picGrafik(3)).
// It draws a chart layout and the samples once into a retained image and
// paints only that image: a repaint costs one image copy, and a screenshot
// or a printout of bild() shows the very pixels on the screen. Hovering
// over a point shows its sample number, angle and value as a tooltip; the
// picture itself never changes on hover.
#include <QFrame>
#include <QImage>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "chart_layout.h"

namespace kav::measure {

// A tooltip event of a chart: shows `hinweis` at the pointer, or hides the
// tooltip and ignores the event when it is empty. True when it was one.
bool hinweisEreignis(QWidget& box, QEvent* event, const std::function<QString(const QPoint&)>& hinweis);

class ChartBox : public QFrame {
    Q_OBJECT
public:
    explicit ChartBox(QWidget* parent = nullptr);

    // The drawing surface in box units (twips, 15 per pixel): what
    // GrafikZeichnen lays the chart out for.
    QSizeF boxEinheiten() const;
    // The button-face colour the box is cleared to.
    QColor hintergrund() const;

    // Cls: the image cleared to the background; no layout, no samples.
    void leeren();
    // Clears the image and draws axes, ticks, labels and caption.
    void achsenZeichnen(const ChartLayout& layout);
    // Adds the samples as points (after achsenZeichnen; nothing without a
    // layout). They are kept for the tooltip.
    void punkteZeichnen(const std::vector<std::int16_t>& samples);

    // The retained picture (device pixels, with the screen's pixel ratio).
    const QImage& bild() const { return bild_; }
    // What it was drawn from; hatLayout() is false after leeren().
    bool hatLayout() const { return hatLayout_; }
    const ChartLayout& chartLayout() const { return layout_; }
    const std::vector<std::int16_t>& samples() const { return samples_; }

    // The sample whose point lies under a widget position (within four
    // pixels), the nearest one when several do.
    std::optional<std::size_t> sampleBei(const QPoint& pos) const;
    // The tooltip for a widget position: "Messwert: 57", "Winkel: 102,6°",
    // "Wert: -35 ''" in the box's language; empty away from the points.
    QString hinweisBei(const QPoint& pos) const;
    // "D" German, anything else English (the window's language code).
    void setSprache(const QString& code);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;

private:
    QRectF bildZiel() const;
    void neuesBild();

    ChartLayout layout_;
    bool hatLayout_ = false;
    std::vector<std::int16_t> samples_;
    QImage bild_;
    QString sprache_ = QStringLiteral("E");
};

} // namespace kav::measure
