// The chart box: the picture it keeps is the chart drawn from its layout,
// what it paints is that picture, and hovering names the sample under the
// pointer without changing a pixel.
#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>
#include <gtest/gtest.h>

#include "chart_box.h"
#include "chart_image.h"
#include "display_rules.h"
#include "qt_printers.h"
#include "test_application.h"

namespace kav::test {
namespace {

using measure::ChartBox;

class ChartBoxTest : public ::testing::Test {
protected:
    ChartBoxTest() {
        testApplication();
        box.setGeometry(0, 0, 402, 302); // 400 x 300 inside its border
        QFont f = box.font();
        f.setPixelSize(11);
        box.setFont(f);
    }
    measure::ChartLayout layout(std::int16_t max, std::int16_t min, bool math = false, int impulse = 1024) {
        const QSizeF e = box.boxEinheiten();
        return measure::DrehschwebungGrafik(max, min, e.width(), e.height(), math, impulse, nullptr);
    }
    // The widget pixel of a sample's point.
    QPoint punkt(std::size_t i) const {
        const measure::ChartAbbildung a(box.chartLayout(), QRectF(box.contentsRect()));
        const QPointF p =
            a.punkt(box.chartLayout().GrafikX(static_cast<double>(i)), box.chartLayout().GrafikY(box.samples()[i]));
        return QPoint(static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y())));
    }
    ChartBox box;
};

TEST_F(ChartBoxTest, KeepsAndPaintsThePictureOfItsLayout) {
    EXPECT_EQ(box.boxEinheiten(), QSizeF(6000, 4500));
    const std::vector<std::int16_t> samples = {0, 100, -100, 40, -40, 75};
    const measure::ChartLayout l = layout(100, -100);
    box.achsenZeichnen(l);
    box.punkteZeichnen(samples);
    const QImage& bild = box.bild();
    ASSERT_EQ(bild.size(), QSize(400, 300));
    EXPECT_EQ(bild, measure::chartBild(l, samples, QSize(400, 300), box.font(), box.hintergrund()))
        << "a printout at the screen size gets the very same pixels";

    const QColor schwarz(Qt::black);
    const measure::ChartAbbildung a(l, QRectF(0, 0, 400, 300));
    const int achseX = static_cast<int>(std::floor(a.punkt(l.GrafikX(0), 0).x()));
    const int achseY = static_cast<int>(std::floor(a.punkt(0, l.GrafikY(0)).y()));
    EXPECT_EQ(bild.pixelColor(achseX, 150), schwarz) << "the Y axis";
    EXPECT_EQ(bild.pixelColor(200, achseY), schwarz) << "the X axis";
    // A point is three pixels wide.
    const QPoint p = punkt(1) - box.contentsRect().topLeft();
    for (int dx : {-1, 0, 1})
        EXPECT_EQ(bild.pixelColor(p.x() + dx, p.y() + 1), schwarz) << dx;
    EXPECT_EQ(bild.pixelColor(p.x() + 3, p.y()), box.hintergrund());

    // The box paints exactly its picture inside its border.
    const QImage gezeigt = box.grab().toImage().copy(box.contentsRect()).convertToFormat(bild.format());
    EXPECT_EQ(gezeigt, bild);

    box.leeren();
    EXPECT_FALSE(box.hatLayout());
    EXPECT_EQ(box.bild().pixelColor(achseX, 150), box.hintergrund());
}

TEST_F(ChartBoxTest, LabelsStayInsideTheBoxForEveryRange) {
    // Every row of the range table, with and without "/math": nothing runs off an edge.
    for (std::int16_t spitze : {100, 200, 500, 1000, 2000, 5000, 10000, 20000, 30000}) {
        for (bool math : {false, true}) {
            SCOPED_TRACE(std::to_string(spitze) + (math ? " /math" : ""));
            box.achsenZeichnen(layout(spitze, static_cast<std::int16_t>(-spitze), math));
            const QImage& bild = box.bild();
            const QColor leer = box.hintergrund();
            for (int y = 0; y < bild.height(); ++y) {
                ASSERT_EQ(bild.pixelColor(0, y), leer) << "left edge, row " << y;
                ASSERT_EQ(bild.pixelColor(bild.width() - 1, y), leer) << "right edge, row " << y;
            }
            for (int x = 0; x < bild.width(); ++x) {
                ASSERT_EQ(bild.pixelColor(x, 0), leer) << "top edge, column " << x;
                ASSERT_EQ(bild.pixelColor(x, bild.height() - 1), leer) << "bottom edge, column " << x;
            }
        }
    }
}

TEST_F(ChartBoxTest, HoveringNamesTheSampleUnderThePointer) {
    std::vector<std::int16_t> samples(200);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<std::int16_t>(i % 2 == 0 ? 60 : -60);
    box.achsenZeichnen(layout(100, -100));
    box.punkteZeichnen(samples);
    const QImage vorher = box.bild();

    // "90.0" with the system's separator.
    const auto grad = [](const char* ganz, const char* zehntel) {
        return QString::fromLatin1(ganz) + QLocale::system().decimalPoint() + QString::fromLatin1(zehntel);
    };
    EXPECT_EQ(box.hinweisBei(punkt(50)), "Sample: 50\nAngle: " + grad("90", "0") + "°\nValue: 60 ''");
    EXPECT_EQ(box.hinweisBei(punkt(51) + QPoint(1, -2)), "Sample: 51\nAngle: " + grad("91", "8") + "°\nValue: -60 ''");
    box.setSprache(QStringLiteral("D"));
    EXPECT_EQ(box.hinweisBei(punkt(50)), "Messwert: 50\nWinkel: " + grad("90", "0") + "°\nWert: 60 ''");
    EXPECT_TRUE(box.hinweisBei(QPoint(punkt(50).x(), punkt(0).y() + 30)).isEmpty()) << "between the rows";
    EXPECT_TRUE(box.hinweisBei(QPoint(1, 1)).isEmpty());

    // The tooltip event shows the same text; the picture does not change.
    box.show();
    QHelpEvent hilfe(QEvent::ToolTip, punkt(50), box.mapToGlobal(punkt(50)));
    QApplication::sendEvent(&box, &hilfe);
    EXPECT_EQ(QToolTip::text(), box.hinweisBei(punkt(50)));
    EXPECT_EQ(box.bild(), vorher);
    QToolTip::hideText();
    box.hide();
}

} // namespace
} // namespace kav::test
