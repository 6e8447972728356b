// Geometry of the dial gauge, computed without a widget.
#include <gtest/gtest.h>

#include <QStringList>

#include <cmath>

#include "dial_gauge_geometry.h"

using namespace kav::controls::tacho;

namespace {

// A fixed measure makes the label alignments checkable by hand:
// 100 twips per character, 200 twips high, bold or not.
QSizeF fakeMeasure(const QString& text, int, bool) { return {100.0 * text.size(), 200.0}; }

QStringList labelTexts(const ScaleLayout& layout) {
    QStringList texts;
    for (const ScaleLabel& label : layout.labels)
        texts << label.text;
    return texts;
}

void expectNear(const QPointF& actual, double x, double y) {
    EXPECT_NEAR(actual.x(), x, 1e-6);
    EXPECT_NEAR(actual.y(), y, 1e-6);
}

constexpr double kCos45 = 0.70710678118654752;

} // namespace

TEST(DialGaugeLabels, DefaultFullScaleReadsThousands) {
    const ScaleLayout s = scaleLayout(1500, 1500, 6000, fakeMeasure);
    EXPECT_EQ(labelTexts(s), (QStringList{"0", "1000", "2000", "3000", "4000", "5000", "6000"}));
}

TEST(DialGaugeLabels, FractionalSharesShowTheirIntegerPart) {
    const ScaleLayout s = scaleLayout(1500, 1500, 100, fakeMeasure);
    EXPECT_EQ(labelTexts(s), (QStringList{"0", "16", "33", "50", "66", "83", "100"}));
    EXPECT_EQ(scaleLabelText(31999, 10), "26665");
    EXPECT_EQ(scaleLabelText(1, 2), "0");
}

TEST(DialGaugeFrame, CentreRadiusAndTickUnitsOfA1500TwipControl) {
    const DialFrame f = dialFrame(1500, 1500);
    EXPECT_EQ(f.cx, 750);
    EXPECT_EQ(f.cy, 750);
    EXPECT_EQ(f.r, 735);
    EXPECT_EQ(f.t1, 10); // 9.8
    EXPECT_EQ(f.t2, 7);
    EXPECT_EQ(f.t3, 5); // 5.44
    EXPECT_EQ(f.labelRadius, 585);

    // The smaller half decides the radius; halves round to even like a 16-bit assignment.
    const DialFrame wide = dialFrame(3015, 1545);
    EXPECT_EQ(wide.cx, 1508); // 1507.5
    EXPECT_EQ(wide.cy, 772);  // 772.5
    EXPECT_EQ(wide.r, 757);
    EXPECT_EQ(roundToInteger(2.5), 2);
    EXPECT_EQ(roundToInteger(3.5), 4);
    EXPECT_EQ(roundToInteger(-0.5), 0);
    EXPECT_EQ(roundToInteger(9.8), 10);
}

TEST(DialGaugeFont, SizeBoldAndLineWidthByReferenceLength) {
    struct Case {
        double c;
        int size;
        bool bold;
    };
    const Case cases[] = {{10000, 24, true}, {9999, 18, true}, {8000, 18, true}, {7999, 14, true}, {6000, 14, true},
                          {5999, 12, true},  {4000, 12, true}, {3999, 10, true}, {3000, 10, true}, {2999, 8, true},
                          {2000, 8, true},   {1999, 8, false}, {1500, 8, false}};
    for (const Case& c : cases) {
        const FontChoice f = SchriftGroesse(c.c, c.c);
        EXPECT_EQ(f.size, c.size) << c.c;
        EXPECT_EQ(f.bold, c.bold) << c.c;
        EXPECT_EQ(f.lineWidth, c.bold ? 2 : 1) << c.c;
    }
}

TEST(DialGaugeFont, ReferenceLengthIsTheWidthUnlessTheControlIsFlat) {
    // 0.6 * 5000 = 3000 <= 3000: the width counts.
    EXPECT_EQ(SchriftGroesse(5000, 3000).size, 12);
    // 0.6 * 10000 > 3000: the height counts.
    EXPECT_EQ(SchriftGroesse(10000, 3000).size, 10);
    EXPECT_EQ(SchriftGroesse(10000, 1999).bold, false);
}

TEST(DialGaugeScale, ThirteenTicksWithTheirLengths) {
    const ScaleLayout s = scaleLayout(1500, 1500, 6000, fakeMeasure);
    ASSERT_EQ(s.ticks.size(), 13u);
    const int lengths[] = {150, 75, 105, 75, 105, 75, 105, 75, 105, 75, 105, 75, 150};
    for (std::size_t i = 0; i < 13; ++i) {
        EXPECT_DOUBLE_EQ(s.ticks[i].angle, 225.0 - 22.5 * static_cast<double>(i));
        EXPECT_EQ(s.ticks[i].length, lengths[i]) << i;
    }
    // 225 degrees, lower left: from r inward by 15 * t1.
    expectNear(s.ticks[0].line.from, 750 - 735 * kCos45, 750 + 735 * kCos45);
    expectNear(s.ticks[0].line.to, 750 - 585 * kCos45, 750 + 585 * kCos45);
    // 90 degrees, top.
    expectNear(s.ticks[6].line.from, 750, 15);
    expectNear(s.ticks[6].line.to, 750, 120);
    // The arc leaves the bottom quarter open.
    EXPECT_EQ(s.arcRect, QRectF(15, 15, 1470, 1470));
    EXPECT_DOUBLE_EQ(s.arcStart, 315);
    EXPECT_DOUBLE_EQ(s.arcSpan, 270);
}

TEST(DialGaugeScale, LabelsHangOnTheirPointsAsAligned) {
    const ScaleLayout s = scaleLayout(1500, 1500, 6000, fakeMeasure);
    ASSERT_EQ(s.labels.size(), 7u);
    const double d = 585 * kCos45;
    // "0": left edge 15 right of P, bottom on P.
    EXPECT_EQ(s.labels[0].rect.topLeft(), QPointF(750 - d + 15, 750 + d - 200));
    // 2/12 at 180 degrees: left edge 15 left of P, centred vertically.
    EXPECT_EQ(s.labels[1].rect, QRectF(150, 650, 400, 200));
    // 4/12 at 135 degrees.
    EXPECT_EQ(s.labels[2].rect.topLeft(), QPointF(750 - d - 15, 750 - d - 100));
    // 6/12 at the top: centred horizontally, top on P.
    EXPECT_EQ(s.labels[3].rect, QRectF(550, 165, 400, 200));
    // 8/12 at 45 degrees: right edge 15 left of P.
    EXPECT_EQ(s.labels[4].rect.topLeft(), QPointF(750 + d - 415, 750 - d - 100));
    // 10/12 at 0 degrees.
    EXPECT_EQ(s.labels[5].rect, QRectF(920, 650, 400, 200));
    // Full scale: right edge 30 left of P, bottom on P.
    EXPECT_EQ(s.labels[6].rect.topLeft(), QPointF(750 + d - 430, 750 + d - 200));
}

TEST(DialGaugePointer, AngleRunsClockwiseOverTheTop) {
    EXPECT_DOUBLE_EQ(pointerAngle(0, 6000), 135);
    EXPECT_DOUBLE_EQ(pointerAngle(3000, 6000), 270);
    EXPECT_DOUBLE_EQ(pointerAngle(6000, 6000), 405);
    EXPECT_LT(pointerAngle(-1, 18000), 135);
    // A full scale below 1 counts as 1 instead of dividing by zero.
    EXPECT_EQ(usableMax(0), 1);
    EXPECT_EQ(usableMax(-7), 1);
    EXPECT_DOUBLE_EQ(pointerAngle(1, 0), 405);
}

TEST(DialGaugePointer, PointerDigitsDragMarkAndCaption) {
    const PointerLayout p = pointerLayout(1500, 1500, 3000, 6000, 3000, "ERROR", fakeMeasure);
    expectNear(p.pointer.from, 750, 750);
    expectNear(p.pointer.to, 750, 165); // straight up to the label radius
    ASSERT_TRUE(p.dragMarkVisible);
    expectNear(p.dragMark.from, 750, 15);
    expectNear(p.dragMark.to, 750, 165);
    EXPECT_EQ(p.valueText, "3000");
    EXPECT_EQ(p.valueFontSize, 14);
    EXPECT_EQ(p.valueRect, QRectF(550, 1200, 400, 200));   // centred, top at 4/5 H
    EXPECT_EQ(p.captionRect, QRectF(500, 1350, 500, 200)); // centred, top at 9/10 H
    EXPECT_EQ(p.font.lineWidth, 1);
    EXPECT_EQ(p.pointerWidth, 2);
    EXPECT_EQ(p.dragMarkWidth, 2);

    // Zero points to the lower left, full scale to the lower right.
    const PointerLayout zero = pointerLayout(1500, 1500, 0, 6000, 0, "", fakeMeasure);
    expectNear(zero.pointer.to, 750 - 585 * kCos45, 750 + 585 * kCos45);
    EXPECT_FALSE(zero.dragMarkVisible);
    const PointerLayout full = pointerLayout(1500, 1500, 6000, 6000, 6000, "", fakeMeasure);
    expectNear(full.pointer.to, 750 + 585 * kCos45, 750 + 585 * kCos45);
}

TEST(DialGaugePointer, DragMarkFollowsTheHighestValue) {
    EXPECT_EQ(nextMaxReached(0, 3000), 3000);
    EXPECT_EQ(nextMaxReached(3000, 0), 3000);
    EXPECT_EQ(nextMaxReached(0, -1), 0);
}
