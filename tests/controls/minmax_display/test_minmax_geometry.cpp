#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "minmax_geometry.h"

using namespace kav::controls::minmax;

namespace {

// A control whose bar is exactly `bar` twips wide with the default box.
Input withBar(int bar, float value) {
    Input in;
    in.width = bar + in.txtGroesse + in.wertGrafikAbst;
    in.height = 300;
    in.iValue = value;
    return in;
}

} // namespace

TEST(MinMaxGeometry, TwoThousandTwipBarPlacesValueGoodRangeAndZero) {
    const Layout l = computeLayout(withBar(2000, 0.25f));
    EXPECT_EQ(l.shpHintergrund, (Rect{true, 0, 0, 2000, 300}));
    EXPECT_EQ(l.linWert, (Line{true, 1250, 0, 1250, 300}));
    EXPECT_EQ(l.shpGBereich.left, 500);
    EXPECT_EQ(l.shpGBereich.left + l.shpGBereich.width, 1500);
    EXPECT_EQ(l.linZero, (Line{true, 1000, 0, 1000, 300}));
    EXPECT_EQ(l.lblWert, (Rect{true, 2135, 0, 600, 300}));
    EXPECT_FALSE(l.linLinksOben.visible || l.linLinksUnten.visible || l.linRechtsOben.visible ||
                 l.linRechtsUnten.visible);
    EXPECT_EQ(l.text, QStringLiteral("0.25"));
    EXPECT_FALSE(l.boxWarning);
}

TEST(MinMaxGeometry, PositionsRoundTowardMinusInfinity) {
    Input in = withBar(1000, -0.999f); // k = 500: 0.0005 twips from the left edge
    EXPECT_EQ(computeLayout(in).linWert.x1, 0);
    in.iMin = -3.0f; // k = 250, the zero line at 750; iOMin -0.5 gives 625
    in.iMax = 1.0f;
    in.iOMin = -0.501f; // 624.75 -> 624
    const Layout l = computeLayout(in);
    EXPECT_EQ(l.shpGBereich.left, 624);
    EXPECT_EQ(l.linZero.x1, 750);
}

TEST(MinMaxGeometry, ValuesOffTheScaleShowArrowsInsteadOfTheLine) {
    const Layout right = computeLayout(withBar(2000, 1.5f));
    EXPECT_FALSE(right.linWert.visible);
    EXPECT_FALSE(right.linLinksOben.visible || right.linLinksUnten.visible);
    EXPECT_EQ(right.linRechtsOben, (Line{true, 1880, 0, 2000, 150}));
    EXPECT_EQ(right.linRechtsUnten, (Line{true, 1880, 300, 2000, 150}));

    Input odd = withBar(2000, -1.5f);
    odd.height = 301; // Int(H/2)
    const Layout left = computeLayout(odd);
    EXPECT_FALSE(left.linWert.visible);
    EXPECT_FALSE(left.linRechtsOben.visible || left.linRechtsUnten.visible);
    EXPECT_EQ(left.linLinksOben, (Line{true, 0, 150, 120, 0}));
    EXPECT_EQ(left.linLinksUnten, (Line{true, 0, 150, 120, 301}));

    // The ends of the scale still count as on it.
    EXPECT_EQ(computeLayout(withBar(2000, 1.0f)).linWert.x1, 2000);
    EXPECT_EQ(computeLayout(withBar(2000, -1.0f)).linWert.x1, 0);
}

TEST(MinMaxGeometry, ValueBoxWarnsOutsideTheGoodRangeOnlyWhenAsked) {
    Input in = withBar(2000, 0.75f);
    EXPECT_TRUE(computeLayout(in).boxWarning);
    in.ufZeigen = false;
    EXPECT_FALSE(computeLayout(in).boxWarning);
    in.ufZeigen = true;
    in.iValue = 0.5f; // the good range includes its ends
    EXPECT_FALSE(computeLayout(in).boxWarning);
    in.iValue = -56.0f;
    const Layout l = computeLayout(in);
    EXPECT_TRUE(l.boxWarning);
    EXPECT_EQ(l.text, QStringLiteral("-56"));
}

TEST(MinMaxGeometry, ZeroLineOnlyWhenZeroLiesInsideTheScale) {
    Input in = withBar(2000, 0.5f);
    in.iMin = 0.0f;
    EXPECT_FALSE(computeLayout(in).linZero.visible);
    in.iMin = -2.0f;
    in.iMax = 0.0f;
    in.iValue = -1.0f;
    EXPECT_FALSE(computeLayout(in).linZero.visible);
    in.iMax = 2.0f;
    EXPECT_EQ(computeLayout(in).linZero.x1, 1000);
}

TEST(MinMaxGeometry, EmptyScaleDrawsBarAndBoxButNothingScaled) {
    Input in = withBar(2000, 3.0f);
    in.iMin = 3.0f;
    in.iMax = 3.0f;
    Layout l = computeLayout(in);
    EXPECT_FALSE(l.scaled);
    EXPECT_TRUE(l.shpHintergrund.visible);
    EXPECT_FALSE(l.shpGBereich.visible);
    EXPECT_FALSE(l.linWert.visible);
    EXPECT_FALSE(l.linZero.visible);
    EXPECT_TRUE(l.lblWert.visible);
    EXPECT_EQ(l.text, QStringLiteral("3"));
    in.iValue = 4.0f; // off the scale: the arrow needs no scale
    l = computeLayout(in);
    EXPECT_TRUE(l.linRechtsOben.visible);
    EXPECT_EQ(l.linRechtsOben.x2, 2000);
}

TEST(MinMaxGeometry, SmallestSizesAndTheNarrowedValueBox) {
    Input in;
    in.width = 100;
    in.height = 10;
    Layout l = computeLayout(in);
    EXPECT_EQ(l.height, 255);
    EXPECT_EQ(l.width, 240 + 135 + 540);
    EXPECT_TRUE(l.resetTxtGroesse) << "600 + 135 + 540 does not fit into 915";
    EXPECT_EQ(l.boxWidth, 240);
    EXPECT_EQ(l.shpHintergrund.width, 540);
    EXPECT_EQ(l.lblWert.left, 915 - 240);

    in.width = 2000;
    in.txtGroesse = 200; // narrower than allowed
    l = computeLayout(in);
    EXPECT_TRUE(l.resetTxtGroesse);
    EXPECT_EQ(l.boxWidth, 240);

    in.txtGroesse = 240; // already the smallest: nothing to reset
    in.width = 500;
    EXPECT_FALSE(computeLayout(in).resetTxtGroesse);

    in.wertVisible = false;
    in.width = 100;
    l = computeLayout(in);
    EXPECT_EQ(l.width, 540);
    EXPECT_EQ(l.shpHintergrund.width, 540);
    EXPECT_FALSE(l.lblWert.visible);
    EXPECT_FALSE(l.resetTxtGroesse);
}

TEST(MinMaxGeometry, ExtremeNumbersStayInRange) {
    Input in = withBar(2000, 0.0f);
    in.iOMin = -std::numeric_limits<float>::max();
    in.iOMax = std::numeric_limits<float>::max();
    in.iMin = -1e-30f;
    in.iMax = 1e-30f;
    const Layout l = computeLayout(in);
    EXPECT_EQ(l.shpGBereich.left, std::numeric_limits<int>::min());
    EXPECT_EQ(l.shpGBereich.width, std::numeric_limits<int>::max()) << "width must not overflow";
    in.iValue = std::nanf("");
    const Layout n = computeLayout(in);
    EXPECT_FALSE(n.linWert.visible || n.linLinksOben.visible || n.linRechtsOben.visible);
}

TEST(MinMaxGeometry, ValueTextIsTheShortestDecimalForm) {
    EXPECT_EQ(valueText(0.25f), QStringLiteral("0.25"));
    EXPECT_EQ(valueText(-56.0f), QStringLiteral("-56"));
    EXPECT_EQ(valueText(1.5f), QStringLiteral("1.5"));
    EXPECT_EQ(valueText(0.1f), QStringLiteral("0.1"));
    EXPECT_EQ(valueText(-0.0f), QStringLiteral("0"));
    EXPECT_EQ(valueText(1234567.0f), QStringLiteral("1234567"));
    EXPECT_EQ(valueText(12345678.0f), QStringLiteral("1.234568E+07"));
    EXPECT_EQ(valueText(0.0001f), QStringLiteral("0.0001"));
    EXPECT_EQ(valueText(0.00001f), QStringLiteral("1E-05"));
}
