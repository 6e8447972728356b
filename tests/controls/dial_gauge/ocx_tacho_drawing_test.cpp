// What the dial gauge actually draws: pixels of its box and of the widget.
#include <gtest/gtest.h>

#include <QImage>

#include <cmath>
#include <memory>
#include <numbers>

#include "ocx_tacho.h"

using namespace kav::controls;

namespace {

const QColor kPointer(0, 0, 128); // 0x800000, the default
const QColor kDragMark(255, 0, 0);
const QColor kOuter(0, 255, 0);   // 0x00FF00
const QColor kNumbers(0, 0, 255); // 0xFF0000

bool colourNear(const QImage& image, QPoint centre, int radius, const QColor& colour) {
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            const QPoint p = centre + QPoint(dx, dy);
            if (image.rect().contains(p) && image.pixelColor(p) == colour)
                return true;
        }
    }
    return false;
}

// A 200-pixel gauge: 3000 twips, radius 99 px, label radius 79 px, pointer 3 px wide.
class OcxTachoDrawingTest : public ::testing::Test {
protected:
    void SetUp() override {
        tacho = std::make_unique<ocxTacho>();
        tacho->resize(200, 200);
        tacho->setAusenFarbe(0x00FF00);
        tacho->setAusenBuchstabenFarbe(0xFF0000);
        tacho->show();
    }
    std::unique_ptr<ocxTacho> tacho;
};

} // namespace

TEST_F(OcxTachoDrawingTest, PointerInItsColourFromTheCentreUpward) {
    tacho->setAktuellAnzahl(3000);
    ASSERT_EQ(tacho->pointerGeometry().pointerWidth, 3);
    const QImage box = tacho->boxImage();
    for (int y = 40; y <= 90; y += 10)
        EXPECT_EQ(box.pixelColor(100, y), kPointer) << y;
    // Beyond the label radius the pointer stops.
    EXPECT_NE(box.pixelColor(100, 10), kPointer);

    // The widget shows the box.
    const QImage shown = tacho->grab().toImage();
    EXPECT_EQ(shown.pixelColor(100, 60), kPointer);
}

TEST_F(OcxTachoDrawingTest, ScaleArcInTheOuterColourWithTheBottomOpen) {
    const QImage scale = tacho->scaleImage();
    // Between the ticks at 112.5 and 90 degrees, on radius r.
    const double a = 101.25 * std::numbers::pi / 180.0;
    const QPoint onArc(qRound(100 + 99 * std::cos(a)), qRound(100 - 99 * std::sin(a)));
    EXPECT_TRUE(colourNear(scale, onArc, 2, kOuter));
    // Left end of the horizontal diameter: arc and the 180-degree tick.
    EXPECT_TRUE(colourNear(scale, QPoint(1, 100), 2, kOuter));
    // Straight down lies in the open quarter.
    EXPECT_FALSE(colourNear(scale, QPoint(100, 198), 2, kOuter));
}

TEST_F(OcxTachoDrawingTest, NumbersInTheirColourInsideTheirRectangles) {
    const QImage scale = tacho->scaleImage();
    for (const auto& label : tacho->scaleGeometry().labels) {
        const QRect r = QRectF(label.rect.topLeft() / 15, label.rect.size() / 15).toAlignedRect();
        int blue = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (scale.rect().contains(x, y)) {
                    const QColor c = scale.pixelColor(x, y);
                    blue += (c.blue() > 200 && c.red() < 80 && c.green() < 80) ? 1 : 0;
                }
        EXPECT_GT(blue, 3) << label.text.toStdString();
    }
}

TEST_F(OcxTachoDrawingTest, ClearingThePointerLayerRestoresTheScale) {
    tacho->setAktuellAnzahl(3000);
    tacho->setAktuellAnzahl(0);
    const QImage box = tacho->boxImage();
    const QImage scale = tacho->scaleImage();
    // The old pointer is gone: the scale picture shows through again.
    EXPECT_EQ(box.pixelColor(100, 60), scale.pixelColor(100, 60));
    EXPECT_NE(box.pixelColor(100, 60), kPointer);
    // The drag mark stays at the top, between radius r and the label radius.
    for (int y = 5; y <= 17; y += 4)
        EXPECT_EQ(box.pixelColor(100, y), kDragMark) << y;
    // The pointer now points to the lower left.
    EXPECT_EQ(box.pixelColor(100 - 40, 100 + 40), kPointer);
}

TEST_F(OcxTachoDrawingTest, PointerColourChangeRepaintsOverTheSameScale) {
    tacho->setAktuellAnzahl(3000);
    const QImage scale = tacho->scaleImage();
    tacho->setAktuellAnzahlFarbe(0x0000FF);
    EXPECT_EQ(tacho->scaleImage(), scale);
    EXPECT_EQ(tacho->boxImage().pixelColor(100, 60), QColor(255, 0, 0));
}
