#include <gtest/gtest.h>

#include <QImage>

#include "minmax_geometry.h"
#include "ocx_minmax_wert.h"

using namespace kav::controls::minmax;

namespace {

// 200 x 20 pixels: bar 2265 twips (151 px), gap 135 twips, box 600 twips (40 px).
QImage render(ocxMinMaxWert& w) { return w.grab().toImage().convertToFormat(QImage::Format_RGB32); }

bool columnHas(const QImage& img, int x, int y, const QColor& c) {
    for (int dx = -1; dx <= 1; ++dx) {
        if (img.pixelColor(x + dx, y) == c)
            return true;
    }
    return false;
}

int countColor(const QImage& img, const QRect& area, const QColor& c) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            n += img.pixelColor(x, y) == c ? 1 : 0;
    }
    return n;
}

} // namespace

TEST(MinMaxRendering, DrawsBarGoodRangeLinesAndBox) {
    ocxMinMaxWert w;
    w.resize(200, 20);
    w.setIValue(0.25f);
    const Layout& l = w.layout();
    ASSERT_EQ(l.shpHintergrund.width, 2265);
    const QImage img = render(w);

    const QColor green(0, 0xC0, 0), grey(0xC0, 0xC0, 0xC0), white(255, 255, 255), black(0, 0, 0);
    EXPECT_EQ(img.pixelColor(50, 10), green) << "inside the good range";
    EXPECT_TRUE(columnHas(img, toPixels(l.linWert.x1), 10, white)) << "value line";
    EXPECT_TRUE(columnHas(img, toPixels(l.linZero.x1), 10, black)) << "zero line";
    // Bar outside the good range: grey with the black downward hatch.
    const QRect leftOfRange(3, 3, 25, 14);
    EXPECT_GT(countColor(img, leftOfRange, grey), 100);
    EXPECT_GT(countColor(img, leftOfRange, black), 20);
    // Gap between bar and box: the control's back colour (button face).
    EXPECT_EQ(img.pixelColor(155, 10), w.palette().color(QPalette::Button));
    // Value box: border and white background.
    EXPECT_EQ(img.pixelColor(160, 10), black);
    EXPECT_EQ(img.pixelColor(162, 2), white);
}

TEST(MinMaxRendering, BoxTurnsToTheWarningColourAndArrowsAppear) {
    ocxMinMaxWert w;
    w.resize(200, 20);
    const QColor red(255, 0, 0), white(255, 255, 255);
    w.setIValue(0.75f);
    EXPECT_EQ(render(w).pixelColor(162, 2), red);
    w.setUfZeigen(false);
    EXPECT_EQ(render(w).pixelColor(162, 2), white);

    w.setUfZeigen(true);
    w.setIValue(1.5f);
    QImage img = render(w);
    EXPECT_GT(countColor(img, QRect(140, 0, 12, 20), red), 10) << "right arrow";
    EXPECT_EQ(countColor(img, QRect(0, 0, 12, 20), red), 0);
    EXPECT_EQ(countColor(img, QRect(1, 1, 150, 18), QColor(255, 255, 255)), 0) << "no value line";

    w.setIValue(-1.5f);
    img = render(w);
    EXPECT_GT(countColor(img, QRect(0, 0, 10, 20), red), 10) << "left arrow";
    EXPECT_EQ(countColor(img, QRect(140, 0, 12, 20), red), 0);
}

TEST(MinMaxRendering, EmptyScaleStillShowsTheValueBox) {
    ocxMinMaxWert w;
    w.resize(200, 20);
    w.setIMin(2.0f);
    w.setIMax(2.0f);
    w.setIValue(2.0f);
    EXPECT_FALSE(w.layout().scaled);
    const QImage img = render(w);
    EXPECT_EQ(countColor(img, QRect(1, 1, 149, 18), QColor(0, 0xC0, 0)), 0) << "no good range";
    EXPECT_EQ(img.pixelColor(160, 10), QColor(0, 0, 0)) << "box border";
    EXPECT_EQ(w.layout().text, QStringLiteral("2"));
}

TEST(MinMaxRendering, HiddenBoxGivesTheBarTheWholeWidth) {
    ocxMinMaxWert w;
    w.resize(200, 20);
    w.setWertVisible(false);
    w.setIValue(0.0f);
    w.setIValue(0.9f);
    const QImage img = render(w);
    EXPECT_EQ(w.layout().shpHintergrund.width, 3000);
    EXPECT_EQ(img.pixelColor(199, 10), QColor(0, 0, 0)) << "bar border at the right edge";
    EXPECT_TRUE(columnHas(img, toPixels(w.layout().linWert.x1), 10, QColor(255, 255, 255)));
}
