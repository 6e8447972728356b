// The deviation bar's layout, checked against figures worked out by hand.
#include <gtest/gtest.h>

#include <QLineF>

#include <cmath>

#include "deviation_bar_geometry.h"

using namespace kav::controls::deviation_bar;

namespace {

// 100 twips per character, 200 twips per line.
class FixedMeasure final : public TextMeasure {
public:
    double textWidth(const QString& text) const override { return 100.0 * text.size(); }
    double textHeight(const QString&) const override { return 200.0; }
};

constexpr double kEps = 1e-6;
const QPointF kCentre(2000, 2000);
constexpr qint32 kRed = 0x0000FF;

BarInput barOf(double w, double h, qint16 n = 1024) {
    BarInput in;
    in.width = w;
    in.height = h;
    in.impulsZahl = n;
    return in;
}

void expectPoint(QPointF actual, double x, double y) {
    EXPECT_NEAR(actual.x(), x, kEps);
    EXPECT_NEAR(actual.y(), y, kEps);
}

bool anyVisible(const Mark& m) {
    return m.pointer.visible || m.leftWing.visible || m.rightWing.visible || m.position.visible || m.percent.visible;
}

} // namespace

TEST(DeviationBarGeometry, MarksPointRightDownLeftAndUpAtTheQuarters) {
    // n = 1024, ring of 3000 twips around (2000, 2000).
    const struct {
        qint16 p;
        double dx, dy;
    } cases[] = {{256, 1, 0}, {512, 0, 1}, {768, -1, 0}, {1024, 0, -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.p);
        const MarkLines m = markLines(c.p, 1024, 3000, kCentre, kRed);
        expectPoint(m.pointer.from, 2000 + 1500 * c.dx, 2000 + 1500 * c.dy);
        expectPoint(m.pointer.to, 2000 + 1620 * c.dx, 2000 + 1620 * c.dy);
        // Both wings end on the ring, at the pointer's foot, and start inside it.
        expectPoint(m.leftWing.to, m.pointer.from.x(), m.pointer.from.y());
        expectPoint(m.rightWing.to, m.pointer.from.x(), m.pointer.from.y());
        EXPECT_LT(QLineF(kCentre, m.leftWing.from).length(), 1500);
        EXPECT_LT(QLineF(kCentre, m.rightWing.from).length(), 1500);
        EXPECT_NEAR(QLineF(m.leftWing.from, m.leftWing.to).length(), 120, kEps);
        EXPECT_EQ(m.pointer.colour, kRed);
    }
}

TEST(DeviationBarGeometry, RingsLeaveRoomForTheLabels) {
    const FixedMeasure fm;
    const CircleShape outer = outerCircle(6000, 5000, fm);
    // "000" is 300 x 200 twips.
    EXPECT_EQ(outer.box, QRectF(435, 335, 5130, 4330));
    EXPECT_DOUBLE_EQ(outer.diameter(), 4330);
    const CircleShape inner = innerCircle(outer, innerRingText(1024), fm);
    EXPECT_EQ(inner.box, QRectF(885, 685, 4230, 3630));
    // A shorter pulse number leaves less room between the rings.
    EXPECT_EQ(innerCircle(outer, innerRingText(100), fm).box, QRectF(785, 685, 4430, 3630));

    EXPECT_EQ(innerRingText(1024), QStringLiteral("000"));
    EXPECT_EQ(innerRingText(100), QStringLiteral("00"));
    EXPECT_EQ(innerRingText(7), QString());
    EXPECT_EQ(innerRingText(32767), QStringLiteral("0000"));
}

TEST(DeviationBarGeometry, CentreLabelIsCentred) {
    const Label l = centreLabel(6000, 5000, 1024, FixedMeasure());
    EXPECT_EQ(l.caption, QStringLiteral("1024"));
    expectPoint(l.topLeft, 3000 - 200, 2500 - 100);
    EXPECT_TRUE(l.visible);
}

TEST(DeviationBarGeometry, TooSmallControlGivesEmptyRingsNotNegativeOnes) {
    const Layout l = computeLayout(barOf(600, 450), FixedMeasure(), Layout{});
    EXPECT_GE(l.outer.box.width(), 0);
    EXPECT_GE(l.outer.box.height(), 0);
    EXPECT_GE(l.inner.box.width(), 0);
    EXPECT_GE(l.inner.box.height(), 0);
    EXPECT_DOUBLE_EQ(l.outer.diameter(), 0);
}

TEST(DeviationBarGeometry, SectorBoundariesBelongToTheLowerSector) {
    const struct {
        double p;
        int pos;
        int pct;
    } at1024[] = {{1, 0, 0},   {128, 0, 0}, {129, 1, 1}, {256, 1, 1}, {257, 2, 1}, {384, 2, 1},
                  {385, 3, 2}, {512, 3, 2}, {513, 4, 2}, {640, 4, 2}, {641, 5, 3}, {768, 5, 3},
                  {769, 6, 3}, {896, 6, 3}, {897, 7, 4}, {1024, 7, 4}};
    for (const auto& c : at1024) {
        SCOPED_TRACE(c.p);
        EXPECT_EQ(positionLabelSector(c.p, 1024), c.pos);
        EXPECT_EQ(percentLabelSector(c.p, 1024), c.pct);
    }
    // Limits are not rounded: with n = 100, 3n/8 = 37.5 and 38 lies above it.
    EXPECT_EQ(positionLabelSector(37, 100), 2);
    EXPECT_EQ(positionLabelSector(38, 100), 3);
    EXPECT_EQ(percentLabelSector(38, 100), 2);
    // With n = 1020, n/8 = 127.5: 128 is already in the second sector.
    EXPECT_EQ(positionLabelSector(127, 1020), 0);
    EXPECT_EQ(positionLabelSector(128, 1020), 1);
    EXPECT_EQ(percentLabelSector(128, 1020), 1);
    EXPECT_EQ(percentLabelSector(893, 1020), 4); // 7n/8 = 892.5
}

TEST(DeviationBarGeometry, LabelPlacementMatchesHandWorkedFigures) {
    // Caption 400 x 200 twips, ring of 3000 twips around (2000, 2000), n = 1024.
    const double w = 400;
    const double t = 200;
    auto at = [&](double p) { return markLines(p, 1024, 3000, kCentre, kRed); };

    // 256, straight right: wings' inner ends at (3415.147, 1915.147) and (3415.147, 2084.853).
    expectPoint(positionLabelTopLeft(256, 1024, at(256), w, t), 3000.147186, 1915.147186);
    expectPoint(percentLabelTopLeft(256, 1024, at(256), w, t), 3635, 1915);
    // 512, straight down.
    expectPoint(positionLabelTopLeft(512, 1024, at(512), w, t), 1785, 3215.147186);
    expectPoint(percentLabelTopLeft(512, 1024, at(512), w, t), 1815, 3635);
    // 50, near the top, right of it.
    expectPoint(positionLabelTopLeft(50, 1024, at(50), w, t), 2159.883924, 625.305585);
    expectPoint(percentLabelTopLeft(50, 1024, at(50), w, t), 2382.374638, 255.644215);
    // 700, lower left.
    expectPoint(positionLabelTopLeft(700, 1024, at(700), w, t), 686.872771, 2466.049375);
    expectPoint(percentLabelTopLeft(700, 1024, at(700), w, t), 103.980196, 2594.615929);
    // 900, upper left, last sector.
    expectPoint(positionLabelTopLeft(900, 1024, at(900), w, t), 974.439183, 916.574323);
    expectPoint(percentLabelTopLeft(900, 1024, at(900), w, t), 504.194318, 626.719726);
}

TEST(DeviationBarGeometry, DrawnMarkCarriesCaptionsColourAndMeasuredPlacement) {
    BarInput in = barOf(6000, 5000);
    in.marks[kMaxMark] = MarkInput{256, 12, kRed, true};
    const Layout l = computeLayout(in, FixedMeasure(), Layout{});
    const Mark& m = l.marks[kMaxMark];
    EXPECT_EQ(m.position.caption, QStringLiteral("256"));
    EXPECT_EQ(m.percent.caption, QStringLiteral("12%"));
    EXPECT_EQ(m.position.foreColour, kRed);
    EXPECT_EQ(m.percent.foreColour, kRed);
    EXPECT_TRUE(m.position.visible && m.percent.visible && m.pointer.visible);
    // The position label is as wide as "256" (300 twips), left of the right wing.
    const MarkLines lines = markLines(256, 1024, l.outer.diameter(), QPointF(3000, 2500), kRed);
    expectPoint(m.position.topLeft, lines.rightWing.from.x() - 300 - 15, lines.leftWing.from.y());
    expectPoint(m.percent.topLeft, lines.pointer.to.x() + 15, lines.pointer.to.y() - 100 + 15);
}

TEST(DeviationBarGeometry, MarksOffTheRingAreHidden) {
    BarInput in = barOf(6000, 5000);
    in.marks[0] = MarkInput{0, 5, kRed, true};    // 0 would be the top, but is not a position
    in.marks[5] = MarkInput{1025, 5, kRed, true}; // beyond the pulse number
    in.marks[6] = MarkInput{-3, 5, kRed, true};
    in.marks[kMinMark] = MarkInput{0, -7, kRed, true};
    in.marks[1] = MarkInput{1, 5, kRed, true};
    in.marks[2] = MarkInput{1024, 5, kRed, true};
    const Layout l = computeLayout(in, FixedMeasure(), Layout{});
    EXPECT_FALSE(anyVisible(l.marks[0]));
    EXPECT_FALSE(anyVisible(l.marks[5]));
    EXPECT_FALSE(anyVisible(l.marks[6]));
    EXPECT_FALSE(anyVisible(l.marks[kMinMark]));
    EXPECT_TRUE(l.marks[1].pointer.visible && l.marks[1].position.visible);
    EXPECT_TRUE(l.marks[2].pointer.visible && l.marks[2].percent.visible);
}

TEST(DeviationBarGeometry, FlagHidesOnlyLabelsOfFurtherMarksButWholeLargestMarks) {
    const FixedMeasure fm;
    BarInput in = barOf(6000, 5000);
    in.marks[1] = MarkInput{300, 4, kRed, true};
    in.marks[kMaxMark] = MarkInput{600, 9, kRed, true};
    const Layout before = computeLayout(in, fm, Layout{});
    ASSERT_TRUE(before.marks[1].position.visible);

    // PosMax2Zeigen off, and the mark moves: lines follow, labels stay as they were.
    in.marks[1].showLabels = false;
    in.marks[1].position = 400;
    in.marks[1].value = 8;
    // PosMaxZeigen off: the largest positive mark disappears entirely.
    in.marks[kMaxMark].showLabels = false;
    const Layout after = computeLayout(in, fm, before);

    const Mark& m1 = after.marks[1];
    EXPECT_TRUE(m1.pointer.visible && m1.leftWing.visible && m1.rightWing.visible);
    EXPECT_NE(m1.pointer.from, before.marks[1].pointer.from);
    EXPECT_TRUE(m1.position.visible);
    EXPECT_EQ(m1.position.caption, QStringLiteral("300"));
    EXPECT_EQ(m1.position.topLeft, before.marks[1].position.topLeft);
    EXPECT_EQ(m1.percent.caption, QStringLiteral("4%"));
    EXPECT_FALSE(anyVisible(after.marks[kMaxMark]));

    // A mark whose labels were never shown does not show them with the flag off.
    BarInput fresh = barOf(6000, 5000);
    fresh.marks[3] = MarkInput{100, 2, kRed, false};
    const Layout l = computeLayout(fresh, fm, Layout{});
    EXPECT_TRUE(l.marks[3].pointer.visible);
    EXPECT_FALSE(l.marks[3].position.visible);
    EXPECT_FALSE(l.marks[3].percent.visible);
}

TEST(DeviationBarGeometry, DisabledHidesEverythingAndKeepsCaptions) {
    const FixedMeasure fm;
    BarInput in = barOf(6000, 5000);
    in.marks[0] = MarkInput{100, 3, kRed, true};
    const Layout shown = computeLayout(in, fm, Layout{});
    in.enabled = false;
    const Layout hidden = computeLayout(in, fm, shown);
    EXPECT_FALSE(hidden.outer.visible);
    EXPECT_FALSE(hidden.inner.visible);
    EXPECT_FALSE(hidden.centre.visible);
    for (const Mark& m : hidden.marks)
        EXPECT_FALSE(anyVisible(m));
    EXPECT_EQ(hidden.marks[0].position.caption, QStringLiteral("100"));
}

TEST(DeviationBarGeometry, NonPositivePulseNumberDrawsNoMarks) {
    // Enabled again by hand after the pulse number went to 0: the ring shows,
    // no mark can lie on it, and nothing divides by zero.
    for (qint16 n : {qint16(0), qint16(-5)}) {
        BarInput in = barOf(6000, 5000, n);
        for (int i = 0; i < kMarkCount; ++i)
            in.marks[i] = MarkInput{qint16(i + 1), 1, kRed, true};
        const Layout l = computeLayout(in, FixedMeasure(), Layout{});
        EXPECT_TRUE(l.outer.visible);
        EXPECT_EQ(l.centre.caption, QString::number(n));
        for (const Mark& m : l.marks)
            EXPECT_FALSE(anyVisible(m));
    }
}

TEST(DeviationBarGeometry, PulseNumber100RescalesTheMarks) {
    BarInput in = barOf(6000, 6000, 100);
    in.marks[0] = MarkInput{50, 3, kRed, true};
    in.marks[1] = MarkInput{25, 3, kRed, true};
    const Layout l = computeLayout(in, FixedMeasure(), Layout{});
    EXPECT_EQ(l.centre.caption, QStringLiteral("100"));
    const double r = l.outer.diameter() / 2;
    expectPoint(l.marks[0].pointer.from, 3000, 3000 + r); // half way: bottom
    expectPoint(l.marks[1].pointer.from, 3000 + r, 3000); // a quarter: right
}
