// ocxBadInc as the host sees it: properties by name, setter order, events,
// the property-store round trip and what ends up on the screen.
#include <gtest/gtest.h>

#include <QImage>
#include <QMetaProperty>
#include <QSignalSpy>

#include "ocx_bad_inc.h"
#include "property_bag.h"

using namespace kav::controls;
using namespace kav::controls::deviation_bar;

namespace {

constexpr qint32 kRed = 0x0000FF; // 0x00BBGGRR
constexpr qint32 kBlue = 0xFF0000;
constexpr qint32 kGreen = 0x00FF00;

const QStringList kStoredOrder = {
    "Enabled",       "PosMax1",       "PosMax2",       "PosMax3",       "PosMax4",       "PosMax5",
    "PosMin1",       "PosMin2",       "PosMin3",       "PosMin4",       "PosMin5",       "PosMin",
    "PosMax",        "Max",           "Max1",          "Max2",          "Max3",          "Max4",
    "Max5",          "Min",           "Min1",          "Min2",          "Min3",          "Min4",
    "Min5",          "PosMaxFarbe",   "PosMinFarbe",   "MaxFarbe",      "MinFarbe",      "PosMaxZeigen",
    "PosMax1Zeigen", "PosMax2Zeigen", "PosMax3Zeigen", "PosMax4Zeigen", "PosMax5Zeigen", "PosMinZeigen",
    "PosMin1Zeigen", "PosMin2Zeigen", "PosMin3Zeigen", "PosMin4Zeigen", "PosMin5Zeigen", "ImpulsZahl"};

QMetaType::Type typeOf(const QString& name) {
    if (name == "Enabled" || name.endsWith("Zeigen"))
        return QMetaType::Bool;
    if (name.endsWith("Farbe"))
        return QMetaType::Int;
    return QMetaType::Short;
}

bool anyVisible(const Mark& m) {
    return m.pointer.visible || m.leftWing.visible || m.rightWing.visible || m.position.visible || m.percent.visible;
}

// Whether a pixel of the colour lies within one pixel of the point.
bool colourNear(const QImage& img, QPointF at, QColor colour) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const QPoint p(qRound(at.x()) + dx, qRound(at.y()) + dy);
            if (img.rect().contains(p) && img.pixelColor(p) == colour)
                return true;
        }
    return false;
}

int countColour(const QImage& img, QColor colour) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += img.pixelColor(x, y) == colour;
    return n;
}

} // namespace

TEST(OcxBadInc, EveryPropertyHasItsNameTypeAndChangeSignal) {
    ocxBadInc bar;
    const QMetaObject* mo = bar.metaObject();
    for (const QString& name : kStoredOrder) {
        SCOPED_TRACE(name.toStdString());
        const int idx = mo->indexOfProperty(name.toLatin1().constData());
        ASSERT_GE(idx, 0);
        const QMetaProperty p = mo->property(idx);
        EXPECT_EQ(p.metaType().id(), typeOf(name));
        EXPECT_TRUE(p.isWritable());
        EXPECT_TRUE(p.hasNotifySignal());
    }
    for (const char* sig : {"InitProperties()", "Show()", "Resize()", "propertyChanged(QString)"})
        EXPECT_GE(mo->indexOfSignal(sig), 0) << sig;
}

TEST(OcxBadInc, NewInstanceStartsEnabledWithDefaults) {
    ocxBadInc bar;
    QSignalSpy init(&bar, SIGNAL(InitProperties()));
    bar.InitProperties();
    EXPECT_EQ(init.count(), 1);
    for (const QString& name : kStoredOrder) {
        SCOPED_TRACE(name.toStdString());
        const QVariant v = bar.property(name.toLatin1().constData());
        if (name == "ImpulsZahl")
            EXPECT_EQ(v.toInt(), 1024);
        else if (typeOf(name) == QMetaType::Bool)
            EXPECT_TRUE(v.toBool());
        else
            EXPECT_EQ(v.toInt(), 0);
    }
    EXPECT_TRUE(bar.isEnabled());
}

TEST(OcxBadInc, SetterStoresRedrawsThenMarksChanged) {
    ocxBadInc bar;
    bar.resize(300, 300);
    bool checked = false;
    QObject::connect(&bar, &ocxBadInc::propertyChanged, &bar, [&](const QString& name) {
        // By the time the host hears of the change the control shows it.
        EXPECT_EQ(name, QStringLiteral("PosMax3"));
        EXPECT_EQ(bar.PosMax3(), 256);
        EXPECT_TRUE(bar.elements().marks[2].pointer.visible);
        EXPECT_EQ(bar.elements().marks[2].position.caption, QStringLiteral("256"));
        checked = true;
    });
    QSignalSpy notify(&bar, &ocxBadInc::PosMax3Changed);
    EXPECT_TRUE(bar.setProperty("PosMax3", 256)); // an int converts to the 16-bit property
    EXPECT_TRUE(checked);
    EXPECT_EQ(notify.count(), 1);
    EXPECT_EQ(bar.property("PosMax3").value<qint16>(), 256);

    // The same value again changes nothing and is not reported.
    QSignalSpy changed(&bar, &ocxBadInc::propertyChanged);
    bar.setPosMax3(256);
    EXPECT_EQ(changed.count(), 0);
}

TEST(OcxBadInc, ColoursAndValuesReachTheirMarks) {
    ocxBadInc bar;
    bar.resize(300, 300);
    bar.setPosMaxFarbe(kRed);
    bar.setPosMinFarbe(kBlue);
    bar.setMaxFarbe(kGreen);
    bar.setMinFarbe(0x123456);
    bar.setPosMax5(10);
    bar.setMax5(-4);
    bar.setPosMin2(20);
    bar.setMin2(7);
    bar.setPosMax(30);
    bar.setMax(99);
    bar.setPosMin(40);
    bar.setMin(-99);
    const auto& m = bar.elements().marks;
    EXPECT_EQ(m[4].pointer.colour, kRed);
    EXPECT_EQ(m[4].percent.caption, QStringLiteral("-4%"));
    EXPECT_EQ(m[6].leftWing.colour, kBlue);
    EXPECT_EQ(m[6].percent.caption, QStringLiteral("7%"));
    EXPECT_EQ(m[kMaxMark].rightWing.colour, kGreen);
    EXPECT_EQ(m[kMaxMark].position.caption, QStringLiteral("30"));
    EXPECT_EQ(m[kMinMark].percent.foreColour, 0x123456);
    EXPECT_EQ(m[kMinMark].percent.caption, QStringLiteral("-99%"));
}

TEST(OcxBadInc, PulseNumberZeroDisablesAndPositiveEnablesWithNewScale) {
    ocxBadInc bar;
    bar.resize(300, 300);
    bar.setPosMin1(50);
    QSignalSpy changed(&bar, &ocxBadInc::propertyChanged);

    bar.setImpulsZahl(0);
    EXPECT_FALSE(bar.Enabled());
    EXPECT_FALSE(bar.isEnabled());
    EXPECT_FALSE(bar.elements().outer.visible);
    EXPECT_FALSE(bar.elements().centre.visible);
    EXPECT_FALSE(anyVisible(bar.elements().marks[5]));
    EXPECT_TRUE(changed.contains(QVariantList{QStringLiteral("ImpulsZahl")}));

    bar.setImpulsZahl(-1);
    EXPECT_FALSE(bar.Enabled());

    bar.setImpulsZahl(100);
    EXPECT_TRUE(bar.Enabled());
    EXPECT_TRUE(bar.isEnabled());
    EXPECT_EQ(bar.elements().centre.caption, QStringLiteral("100"));
    EXPECT_TRUE(bar.elements().centre.visible);
    // 50 of 100 is the bottom of the ring.
    const Line& z = bar.elements().marks[5].pointer;
    EXPECT_TRUE(z.visible);
    EXPECT_NEAR(z.from.x(), 150 * 15, 1e-6);
    EXPECT_GT(z.to.y(), z.from.y());

    // Switched off by hand, the same pulse number switches it on again.
    bar.setEnabledProperty(false);
    EXPECT_FALSE(bar.elements().outer.visible);
    bar.setImpulsZahl(100);
    EXPECT_TRUE(bar.Enabled());
    EXPECT_TRUE(bar.elements().outer.visible);
}

TEST(OcxBadInc, FlagsWorkThroughTheProperties) {
    ocxBadInc bar;
    bar.resize(300, 300);
    bar.setPosMax2(300);
    bar.setMax2(5);
    bar.setPosMax(600);
    const Mark before = bar.elements().marks[1];
    ASSERT_TRUE(before.position.visible);

    bar.setProperty("PosMax2Zeigen", false);
    bar.setPosMax2(320);
    const Mark& m1 = bar.elements().marks[1];
    EXPECT_TRUE(m1.pointer.visible);
    EXPECT_NE(m1.pointer.from, before.pointer.from);
    EXPECT_EQ(m1.position.caption, before.position.caption);
    EXPECT_EQ(m1.position.topLeft, before.position.topLeft);
    EXPECT_TRUE(m1.position.visible);

    bar.setProperty("PosMaxZeigen", false);
    EXPECT_FALSE(anyVisible(bar.elements().marks[kMaxMark]));
    bar.setProperty("PosMaxZeigen", true);
    EXPECT_TRUE(bar.elements().marks[kMaxMark].position.visible);
}

TEST(OcxBadInc, ShowAndResizeRedrawBeforeRaisingTheirEvents) {
    ocxBadInc bar;
    bar.resize(200, 200);
    // Size of the control as the ring saw it when the event came.
    auto ringSpan = [&] {
        const CircleShape& o = bar.elements().outer;
        return o.box.left() * 2 + o.box.width();
    };
    double seenOnShow = -1;
    QObject::connect(&bar, &ocxBadInc::Show, &bar, [&] { seenOnShow = ringSpan(); });
    bar.show();
    EXPECT_DOUBLE_EQ(seenOnShow, 200 * 15);

    double seenOnResize = -1;
    int resizes = 0;
    QObject::connect(&bar, &ocxBadInc::Resize, &bar, [&] {
        seenOnResize = ringSpan();
        ++resizes;
    });
    bar.resize(400, 300);
    EXPECT_EQ(resizes, 1);
    EXPECT_DOUBLE_EQ(seenOnResize, 400 * 15);
}

TEST(OcxBadInc, FontChangeRemeasuresTheRings) {
    ocxBadInc bar;
    bar.resize(400, 400);
    const double before = bar.elements().outer.box.left();
    QFont big = bar.font();
    big.setPointSize(big.pointSize() * 3);
    bar.setFont(big);
    EXPECT_GT(bar.elements().outer.box.left(), before);
    EXPECT_DOUBLE_EQ(bar.elements().outer.box.left(), bar.textWidth("000") + 135);
}

TEST(OcxBadInc, PropertyStoreRoundTripKeepsOrderTypesAndValues) {
    ocxBadInc bar;
    bar.setPosMax1(11);
    bar.setPosMin5(55);
    bar.setPosMin(-3);
    bar.setMax(42);
    bar.setMin3(-12);
    bar.setPosMinFarbe(static_cast<qint32>(0x80000008u));
    bar.setMaxFarbe(kRed);
    bar.setPosMax4Zeigen(false);
    bar.setPosMinZeigen(false);
    bar.setImpulsZahl(2048);

    MemoryPropertyBag bag;
    bar.WriteProperties(bag);
    EXPECT_EQ(bag.names(), kStoredOrder);
    EXPECT_EQ(bag.value("PosMax1").metaType().id(), QMetaType::Short);
    EXPECT_EQ(bag.value("MaxFarbe").metaType().id(), QMetaType::Int);
    EXPECT_EQ(bag.value("PosMax4Zeigen").metaType().id(), QMetaType::Bool);

    ocxBadInc copy;
    copy.ReadProperties(bag);
    EXPECT_EQ(bag.readLog(), kStoredOrder);
    for (const QString& name : kStoredOrder) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(copy.property(name.toLatin1().constData()), bar.property(name.toLatin1().constData()));
    }
    EXPECT_EQ(copy.PosMinFarbe(), static_cast<qint32>(0x80000008u));
}

TEST(OcxBadInc, EmptyStoreGivesTheStoreDefaults) {
    MemoryPropertyBag bag;
    ocxBadInc bar;
    bar.setPosMax(100);
    bar.setPosMaxZeigen(false);
    bar.ReadProperties(bag);
    // Unlike a new instance, a stored control without "Enabled" is off.
    EXPECT_FALSE(bar.Enabled());
    EXPECT_EQ(bar.ImpulsZahl(), 1024);
    EXPECT_EQ(bar.PosMax(), 0);
    EXPECT_TRUE(bar.PosMaxZeigen());
    EXPECT_FALSE(bar.elements().outer.visible);
}

TEST(OcxBadInc, StoredValuesThatDoNotFitFallBackToTheDefault) {
    MemoryPropertyBag bag;
    bag.set("Enabled", true);
    bag.set("PosMax", 40000);   // beyond a 16-bit integer
    bag.set("ImpulsZahl", "x"); // not a number
    bag.set("Min", -32768);
    bag.set("MinFarbe", qlonglong(0x80000012u)); // unsigned form of a system colour
    ocxBadInc bar;
    bar.ReadProperties(bag);
    EXPECT_EQ(bar.PosMax(), 0);
    EXPECT_EQ(bar.ImpulsZahl(), 1024);
    EXPECT_EQ(bar.Min(), -32768);
    EXPECT_EQ(bar.MinFarbe(), static_cast<qint32>(0x80000012u));
}

TEST(OcxBadInc, PaintsTheMarkColourAtThePointerAndTheRings) {
    ocxBadInc bar;
    bar.resize(300, 300);
    bar.setMaxFarbe(kRed);
    bar.setMinFarbe(kBlue);
    bar.setPosMax(256);
    bar.setPosMin(512);
    const QImage img = bar.grab().toImage();

    const Layout& l = bar.elements();
    auto mid = [](const Line& z) { return (z.from + z.to) / 2 / 15; };
    EXPECT_TRUE(colourNear(img, mid(l.marks[kMaxMark].pointer), QColor(255, 0, 0)));
    EXPECT_TRUE(colourNear(img, mid(l.marks[kMinMark].pointer), QColor(0, 0, 255)));
    // The red mark points right: right of the centre, on the centre line.
    EXPECT_GT(mid(l.marks[kMaxMark].pointer).x(), 150);
    EXPECT_NEAR(mid(l.marks[kMaxMark].pointer).y(), 150, 1);

    // The rings in the window-text colour, left of the centre on its line.
    const QColor ring = bar.palette().color(QPalette::Text);
    const QPointF c = l.outer.box.center() / 15;
    EXPECT_TRUE(colourNear(img, QPointF(c.x() - l.outer.diameter() / 30, c.y()), ring));
    EXPECT_TRUE(colourNear(img, QPointF(c.x() - l.inner.diameter() / 30, c.y()), ring));
    // The background is the button face.
    EXPECT_EQ(img.pixelColor(1, 1), bar.palette().color(QPalette::Button));

    // Switched off, none of it is drawn.
    bar.setImpulsZahl(0);
    const QImage off = bar.grab().toImage();
    EXPECT_EQ(countColour(off, QColor(255, 0, 0)), 0);
    EXPECT_EQ(countColour(off, QColor(0, 0, 255)), 0);
    EXPECT_GT(countColour(img, QColor(255, 0, 0)), 8);
}
