// The dial gauge's properties, write rules, lifecycle and persistence.
#include <gtest/gtest.h>

#include <QSignalSpy>

#include <cmath>
#include <memory>

#include "ocx_tacho.h"
#include "property_bag.h"

using namespace kav::controls;

namespace {

class OcxTachoTest : public ::testing::Test {
protected:
    void SetUp() override {
        tacho = std::make_unique<ocxTacho>();
        tacho->resize(100, 100); // 1500 twips square
        tacho->show();
    }

    QStringList changedNames(const QSignalSpy& spy) const {
        QStringList names;
        for (const QList<QVariant>& args : spy)
            names << args.at(0).toString();
        return names;
    }

    std::unique_ptr<ocxTacho> tacho;
};

} // namespace

TEST_F(OcxTachoTest, PropertiesByNameWithTypesAndDefaults) {
    struct Expect {
        const char* name;
        QMetaType type;
        QVariant value;
    };
    const Expect expected[] = {
        {"AusenFarbe", QMetaType::fromType<qint32>(), 0},
        {"AusenBuchstabenFarbe", QMetaType::fromType<qint32>(), 8421504},
        {"AktuellAnzahl", QMetaType::fromType<qint16>(), 0},
        {"AktuellAnzahlFarbe", QMetaType::fromType<qint32>(), 0x800000},
        {"MaxAnzahl", QMetaType::fromType<qint16>(), 6000},
        {"AktMaxAnzahlFarbe", QMetaType::fromType<qint32>(), 255},
        {"BenutzerText", QMetaType::fromType<QString>(), QString()},
    };
    const QMetaObject* meta = tacho->metaObject();
    for (const Expect& e : expected) {
        const int index = meta->indexOfProperty(e.name);
        ASSERT_GE(index, 0) << e.name;
        const QMetaProperty property = meta->property(index);
        EXPECT_EQ(property.metaType(), e.type) << e.name;
        EXPECT_TRUE(property.isWritable()) << e.name;
        EXPECT_TRUE(property.hasNotifySignal()) << e.name;
        EXPECT_EQ(tacho->property(e.name).toString(), e.value.toString()) << e.name;
    }
    for (const char* signal : {"Resize()", "Show()", "InitProperties()", "propertyChanged(QString)"})
        EXPECT_GE(meta->indexOfSignal(signal), 0) << signal;
}

TEST_F(OcxTachoTest, FirstShowingDrawsTheScaleLaterShowingsOnlyThePointer) {
    EXPECT_FALSE(tacho->SkalaNeu());
    EXPECT_FALSE(tacho->scaleImage().isNull());
    const int scales = tacho->scaleDrawCount();
    const int pointers = tacho->pointerDrawCount();
    QSignalSpy shown(tacho.get(), SIGNAL(Show()));
    tacho->hide();
    tacho->show();
    EXPECT_EQ(shown.count(), 1);
    EXPECT_EQ(tacho->scaleDrawCount(), scales);
    EXPECT_EQ(tacho->pointerDrawCount(), pointers + 1);

    QSignalSpy resized(tacho.get(), SIGNAL(Resize()));
    tacho->resize(120, 100);
    EXPECT_EQ(resized.count(), 1);
    EXPECT_EQ(tacho->scaleDrawCount(), scales + 1);
    EXPECT_EQ(tacho->scaleGeometry().frame.width, 1800);
}

TEST_F(OcxTachoTest, ValueAndPointerColoursRedrawOnlyThePointerLayer) {
    QSignalSpy changed(tacho.get(), &ocxTacho::propertyChanged);
    const int scales = tacho->scaleDrawCount();
    const int pointers = tacho->pointerDrawCount();
    const QImage scale = tacho->scaleImage();

    tacho->setProperty("AktuellAnzahl", 1500);
    tacho->setProperty("AktuellAnzahlFarbe", 0x00FF00);
    tacho->setProperty("AktMaxAnzahlFarbe", 0xFF0000);
    tacho->setProperty("BenutzerText", "ERROR");
    EXPECT_EQ(tacho->scaleDrawCount(), scales);
    EXPECT_EQ(tacho->pointerDrawCount(), pointers + 4);
    EXPECT_EQ(tacho->scaleImage(), scale);
    EXPECT_EQ(changedNames(changed),
              (QStringList{"AktuellAnzahl", "AktuellAnzahlFarbe", "AktMaxAnzahlFarbe", "BenutzerText"}));

    // The same value again changes nothing.
    tacho->setProperty("AktuellAnzahl", 1500);
    EXPECT_EQ(tacho->pointerDrawCount(), pointers + 4);
}

TEST_F(OcxTachoTest, OuterColoursAndFullScaleRedrawBothLayers) {
    QSignalSpy changed(tacho.get(), &ocxTacho::propertyChanged);
    const int scales = tacho->scaleDrawCount();
    const int pointers = tacho->pointerDrawCount();
    tacho->setProperty("AusenFarbe", 0x0000FF);
    tacho->setProperty("AusenBuchstabenFarbe", 0x00FF00);
    tacho->setProperty("MaxAnzahl", 12000);
    EXPECT_EQ(tacho->scaleDrawCount(), scales + 3);
    EXPECT_EQ(tacho->pointerDrawCount(), pointers + 3);
    EXPECT_EQ(changedNames(changed), (QStringList{"AusenFarbe", "AusenBuchstabenFarbe", "MaxAnzahl"}));
    EXPECT_EQ(tacho->scaleGeometry().labels.back().text, "12000");
}

TEST_F(OcxTachoTest, ValueAboveFullScaleIsIgnored) {
    tacho->setAktuellAnzahl(3000);
    const QPointF pointerEnd = tacho->pointerGeometry().pointer.to;
    const int pointers = tacho->pointerDrawCount();
    QSignalSpy changed(tacho.get(), &ocxTacho::propertyChanged);

    tacho->setProperty("AktuellAnzahl", 6001);
    EXPECT_EQ(tacho->AktuellAnzahl(), 3000);
    EXPECT_EQ(tacho->pointerGeometry().pointer.to, pointerEnd);
    EXPECT_EQ(tacho->pointerDrawCount(), pointers);
    EXPECT_EQ(changed.count(), 0);

    // Exactly full scale and negative values are accepted.
    tacho->setAktuellAnzahl(6000);
    EXPECT_EQ(tacho->AktuellAnzahl(), 6000);
    tacho->setAktuellAnzahl(-1);
    EXPECT_EQ(tacho->AktuellAnzahl(), -1);
    EXPECT_EQ(tacho->pointerGeometry().valueText, "-1");
}

TEST_F(OcxTachoTest, FullScaleOutsideItsRangeIsIgnored) {
    const int scales = tacho->scaleDrawCount();
    QSignalSpy changed(tacho.get(), &ocxTacho::propertyChanged);
    for (int bad : {0, -5, 32000})
        tacho->setProperty("MaxAnzahl", bad);
    EXPECT_EQ(tacho->MaxAnzahl(), 6000);
    EXPECT_EQ(tacho->scaleDrawCount(), scales);
    EXPECT_EQ(changed.count(), 0);

    tacho->setMaxAnzahl(1);
    EXPECT_EQ(tacho->MaxAnzahl(), 1);
    tacho->setMaxAnzahl(31999);
    EXPECT_EQ(tacho->MaxAnzahl(), 31999);
}

TEST_F(OcxTachoTest, LoweringFullScaleBelowTheValueMovesThePointerToFullScale) {
    tacho->setAktuellAnzahl(5000);
    ASSERT_EQ(tacho->MaxErreicht(), 5000);
    QSignalSpy valueChanged(tacho.get(), &ocxTacho::AktuellAnzahlChanged);

    tacho->setMaxAnzahl(1000);
    EXPECT_EQ(tacho->AktuellAnzahl(), 1000);
    EXPECT_EQ(valueChanged.count(), 1); // through the value's own write
    const auto& p = tacho->pointerGeometry();
    const QPointF fullScale = kav::controls::tacho::pointAtMathAngle(p.frame, -45, p.frame.labelRadius);
    EXPECT_NEAR(p.pointer.to.x(), fullScale.x(), 1e-6);
    EXPECT_NEAR(p.pointer.to.y(), fullScale.y(), 1e-6);
    // The drag mark at 5000 is gone; the only highest value since the write
    // is the value now shown at full scale.
    EXPECT_EQ(tacho->MaxErreicht(), 1000);
    const QPointF markInner = p.dragMark.to;
    EXPECT_NEAR(markInner.x(), fullScale.x(), 1e-6);
    EXPECT_NEAR(markInner.y(), fullScale.y(), 1e-6);
}

TEST_F(OcxTachoTest, DragMarkStaysAtTheHighestValueUntilFullScaleIsWritten) {
    tacho->setAktuellAnzahl(3000);
    tacho->setAktuellAnzahl(0);
    EXPECT_EQ(tacho->MaxErreicht(), 3000);
    const auto& p = tacho->pointerGeometry();
    ASSERT_TRUE(p.dragMarkVisible);
    // At the top (90 degrees): from radius r down to the label radius.
    EXPECT_NEAR(p.dragMark.from.x(), 750, 1e-6);
    EXPECT_NEAR(p.dragMark.from.y(), 15, 1e-6);
    EXPECT_NEAR(p.dragMark.to.y(), 165, 1e-6);

    // Writing the same full scale also restarts the drag mark.
    tacho->setMaxAnzahl(6000);
    EXPECT_EQ(tacho->MaxErreicht(), 0);
    EXPECT_FALSE(tacho->pointerGeometry().dragMarkVisible);
}

TEST_F(OcxTachoTest, SmallControlUsesThinLinesAndTheSmallestFont) {
    const auto& s = tacho->scaleGeometry();
    EXPECT_EQ(s.frame.width, 1500);
    EXPECT_EQ(s.font.size, 8);
    EXPECT_FALSE(s.font.bold);
    EXPECT_EQ(s.font.lineWidth, 1);
    EXPECT_EQ(tacho->pointerGeometry().pointerWidth, 2);
    EXPECT_EQ(tacho->pointerGeometry().valueFontSize, 14);
}

TEST_F(OcxTachoTest, InitPropertiesRestoresDefaultsShowsAndRaisesItsEvent) {
    tacho->setMaxAnzahl(12000);
    tacho->setAktuellAnzahl(7000);
    tacho->setBenutzerText("ERROR");
    tacho->setAusenFarbe(0x123456);

    auto fresh = std::make_unique<ocxTacho>();
    fresh->resize(100, 100);
    QSignalSpy init(fresh.get(), SIGNAL(InitProperties()));
    QSignalSpy shown(fresh.get(), SIGNAL(Show()));
    fresh->InitProperties();
    EXPECT_EQ(init.count(), 1);
    EXPECT_EQ(shown.count(), 1);
    EXPECT_FALSE(fresh->SkalaNeu());

    tacho->InitProperties();
    EXPECT_EQ(tacho->MaxAnzahl(), 6000);
    EXPECT_EQ(tacho->AktuellAnzahl(), 0);
    EXPECT_EQ(tacho->AusenFarbe(), 0);
    EXPECT_TRUE(tacho->BenutzerText().isEmpty());
}

TEST_F(OcxTachoTest, BagRoundTripInOrderWithDefaults) {
    MemoryPropertyBag defaults;
    tacho->WriteProperties(defaults);
    const QStringList order{"AusenFarbe", "AusenBuchstabenFarbe", "AktuellAnzahl", "AktuellAnzahlFarbe",
                            "MaxAnzahl",  "AktMaxAnzahlFarbe",    "BenutzerText"};
    EXPECT_EQ(defaults.names(), order);
    EXPECT_EQ(defaults.value("MaxAnzahl").toInt(), 6000);
    EXPECT_EQ(defaults.value("AusenBuchstabenFarbe").toInt(), 8421504);

    tacho->setAusenFarbe(0x112233);
    tacho->setAusenBuchstabenFarbe(static_cast<qint32>(0x80000008u));
    tacho->setMaxAnzahl(12000);
    tacho->setAktuellAnzahl(-1);
    tacho->setAktuellAnzahlFarbe(0x445566);
    tacho->setAktMaxAnzahlFarbe(0x778899);
    tacho->setBenutzerText("ERROR");
    MemoryPropertyBag bag;
    tacho->WriteProperties(bag);

    ocxTacho copy;
    QSignalSpy persisted(&copy, &ocxTacho::propertyChanged);
    copy.ReadProperties(bag);
    EXPECT_EQ(bag.readLog(), order);
    EXPECT_EQ(persisted.count(), 0); // reading is no change to persist
    for (const QString& name : order)
        EXPECT_EQ(copy.property(name.toLatin1()), tacho->property(name.toLatin1())) << name.toStdString();
}

TEST_F(OcxTachoTest, StoredValuesAreKeptAsReadButFullScaleBelowOneBecomesOne) {
    MemoryPropertyBag bag;
    bag.set("MaxAnzahl", 0);
    bag.set("AktuellAnzahl", 500);
    ocxTacho stored;
    stored.ReadProperties(bag);
    EXPECT_EQ(stored.MaxAnzahl(), 1);
    EXPECT_EQ(stored.AktuellAnzahl(), 500); // not range-checked on reading
    stored.resize(100, 100);
    stored.show();
    EXPECT_TRUE(std::isfinite(stored.pointerGeometry().pointer.to.x()));

    MemoryPropertyBag negative;
    negative.set("MaxAnzahl", -40);
    stored.ReadProperties(negative);
    EXPECT_EQ(stored.MaxAnzahl(), 1);
}
