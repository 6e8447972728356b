// The chart's arithmetic: ranges, steps, ticks, labels, their places, points.
#include <gtest/gtest.h>

#include "chart_layout.h"

namespace kav::measure {
namespace {

const Translator kText = [](const std::string& d) { return d; };
constexpr double kBreite = 10000, kHoehe = 5000; // twips

std::vector<std::string> labels(const ChartLayout& l, ChartLabel::Vertikal v) {
    std::vector<std::string> out;
    for (const ChartLabel& b : l.beschriftung)
        if (b.vertikal == v || (v == ChartLabel::Vertikal::Middle && b.horizontal == ChartLabel::Horizontal::Right))
            out.push_back(b.text);
    return out;
}
std::vector<std::string> yLabels(const ChartLayout& l) { return labels(l, ChartLabel::Vertikal::Middle); }
std::vector<std::string> xLabels(const ChartLayout& l) { return labels(l, ChartLabel::Vertikal::Top); }

TEST(Chart, YRangeByTheLargerMagnitude) {
    struct Case {
        std::int16_t max, min;
        int grenze, schritt;
    };
    const Case cases[] = {{100, -40, 100, 50},       {101, 0, 200, 100},       {0, -200, 200, 100},
                          {201, 0, 500, 250},        {500, 0, 500, 250},       {0, -1000, 1000, 500},
                          {1001, 0, 2000, 1000},     {2001, 0, 5000, 2500},    {5001, 0, 10000, 5000},
                          {10001, 0, 20000, 10000},  {20000, 0, 20000, 10000}, {20001, 0, 30000, 25000},
                          {0, -32768, 30000, 25000}, {0, 0, 100, 50}};
    for (const Case& c : cases) {
        const ChartRange r = drehschwebungBereich(c.max, c.min, false, 1024);
        EXPECT_EQ(r.ymax, c.grenze) << c.max << " " << c.min;
        EXPECT_EQ(r.ymin, -c.grenze) << c.max << " " << c.min;
        EXPECT_EQ(r.ySchritt, c.schritt) << c.max << " " << c.min;
        EXPECT_EQ(r.xmax, 200);
        EXPECT_EQ(r.xSchritt, 50);
    }
}

TEST(Chart, WithoutMathDegreesOverTwoHundredSamples) {
    const ChartLayout l = DrehschwebungGrafik(100, -40, kBreite, kHoehe, false, 1024, kText);
    ASSERT_TRUE(l.ok());
    EXPECT_EQ(l.ZeichenBreite, 9000);
    EXPECT_EQ(l.ZeichenHoehe, 4200);
    EXPECT_EQ(l.PunkteProUmdrehung, 200);
    EXPECT_EQ(yLabels(l), (std::vector<std::string>{"-100", "-50", "50", "100"}));
    EXPECT_EQ(xLabels(l), (std::vector<std::string>{"90", "180", "270", "360"}));
    EXPECT_EQ(l.striche.size(), 10u); // five each, 0 included
    EXPECT_DOUBLE_EQ(l.GrafikX(0), 600);
    EXPECT_DOUBLE_EQ(l.GrafikX(200), 9600);
    EXPECT_DOUBLE_EQ(l.GrafikY(-100), 4600);
    EXPECT_DOUBLE_EQ(l.GrafikY(100), 400);
    EXPECT_DOUBLE_EQ(l.GrafikY(0), 2500);
    // The X label 90 stands under the tick at sample 50.
    const auto x90 = std::find_if(l.beschriftung.begin(), l.beschriftung.end(), [](auto& b) { return b.text == "90"; });
    ASSERT_NE(x90, l.beschriftung.end());
    EXPECT_DOUBLE_EQ(x90->anker.x, l.GrafikX(50));
    EXPECT_EQ(l.punktBreite, 3);
}

TEST(Chart, WithMathFiveRevolutions) {
    const ChartLayout l = DrehschwebungGrafik(60, -60, kBreite, kHoehe, true, 1024, kText);
    ASSERT_TRUE(l.ok());
    EXPECT_EQ(l.PunkteProUmdrehung, 1024);
    EXPECT_EQ(xLabels(l),
              (std::vector<std::string>{"180", "360", "540", "720", "900", "1080", "1260", "1440", "1620", "1800"}));
    EXPECT_DOUBLE_EQ(l.GrafikX(5120), 9600);
    // A pulse number beyond 16 bits still gets its five revolutions.
    EXPECT_EQ(drehschwebungBereich(0, 0, true, 20000).xmax, 100000);
    EXPECT_EQ(drehschwebungBereich(0, 0, true, 1025).xSchritt, 512.5);
}

TEST(Chart, EqualLimitsDrawNothing) {
    const ChartLayout y = GrafikZeichnen(kBreite, kHoehe, {0, 5, 200, 5, 50, 10}, false, 0, kText);
    EXPECT_EQ(y.fehlermeldung, "Falsche Eingabe Ymin oder Ymax");
    EXPECT_TRUE(y.achsen.empty() && y.striche.empty() && y.beschriftung.empty());
    const ChartLayout x = DrehschwebungGrafik(10, 10, kBreite, kHoehe, true, 0, kText); // Xmax = 5 x 0
    EXPECT_EQ(x.fehlermeldung, "Falsche Eingabe Xmin oder Xmax");
    EXPECT_TRUE(messpunkte(x, {1, 2, 3}).empty());
}

TEST(Chart, Steps) {
    struct Case {
        std::optional<double> x, y;
        std::size_t xTicks, yTicks;
    };
    const Case cases[] = {
        {-4, 50, 5, 5},                       // a quarter of Xmax
        {12.7, 50, 17, 5},                    // the integer part: 0, 12, ..., 192
        {0, -1, 21, 21},                      // 0 or below: 10
        {std::nullopt, std::nullopt, 21, 21}, // missing: 10
    };
    for (const Case& c : cases) {
        const ChartLayout l = GrafikZeichnen(kBreite, kHoehe, {0, -100, 200, 100, c.x, c.y}, false, 0, kText);
        EXPECT_EQ(l.striche.size(), c.xTicks + c.yTicks) << c.x.value_or(-99);
    }
}

TEST(Chart, PositiveMinimumLabelsButNoShift) {
    const ChartLayout l = GrafikZeichnen(kBreite, kHoehe, {0, 100, 200, 300, 50, 50}, false, 0, kText);
    EXPECT_EQ(yLabels(l), (std::vector<std::string>{"150", "200", "250", "300"}));
    EXPECT_DOUBLE_EQ(l.GrafikY(0), 4600);
    EXPECT_DOUBLE_EQ(l.GrafikY(200), 400);
    EXPECT_DOUBLE_EQ(l.GrafikY(100), 2500); // a sample of 100 sits in the middle, not on the lower edge
}

TEST(Chart, LabelsBesideTheirTicksClearOfTheAxes) {
    for (bool math : {false, true}) {
        const ChartLayout l = DrehschwebungGrafik(3000, -2500, kBreite, kHoehe, math, 1024, kText);
        const double achseX = l.achsen[0].von.x;
        const double achseY = l.achsen[1].von.y;
        int caption = 0;
        for (const ChartLabel& b : l.beschriftung) {
            if (b.text == "Ws[\"]") {
                ++caption;
                EXPECT_GT(b.anker.x, achseX);
                EXPECT_LE(b.anker.y, l.GrafikY(5000)); // above the top of the Y axis
                continue;
            }
            if (b.horizontal == ChartLabel::Horizontal::Right) { // Y labels end left of the tick
                EXPECT_LT(b.anker.x, achseX - 50);
                EXPECT_DOUBLE_EQ(b.links(), b.anker.x - b.text.size() * kZeichenEinheiten);
            } else { // X labels start below the tick and clear of the Y axis
                EXPECT_EQ(b.vertikal, ChartLabel::Vertikal::Top);
                EXPECT_GT(b.anker.y, achseY + 50);
                const double halb =
                    b.horizontal == ChartLabel::Horizontal::Center ? b.text.size() * kZeichenEinheiten / 2 : 0;
                EXPECT_GT(b.anker.x - halb, achseX) << b.text;
            }
        }
        EXPECT_EQ(caption, 1);
    }
    // In a narrow box the first X label would reach the Y axis: it starts at its tick instead.
    const ChartLayout eng = GrafikZeichnen(1400, 3000, {0, -100, 200, 100, 50, 50}, false, 0, kText);
    const ChartLabel& erstes =
        *std::find_if(eng.beschriftung.begin(), eng.beschriftung.end(), [](auto& b) { return b.text == "90"; });
    EXPECT_EQ(erstes.horizontal, ChartLabel::Horizontal::Left);
}

TEST(Chart, OnePointPerSample) {
    const ChartLayout l = DrehschwebungGrafik(100, -100, kBreite, kHoehe, false, 1024, kText);
    const auto p = messpunkte(l, {0, 100, -100});
    ASSERT_EQ(p.size(), 3u);
    EXPECT_DOUBLE_EQ(p[1].x, l.GrafikX(1));
    EXPECT_DOUBLE_EQ(p[1].y, 400);
    EXPECT_DOUBLE_EQ(p[2].y, 4600);
    EXPECT_NEAR(l.datenX(p[2].x), 2, 1e-9);
    EXPECT_DOUBLE_EQ(l.winkel(50), 90);
}

} // namespace
} // namespace kav::measure
