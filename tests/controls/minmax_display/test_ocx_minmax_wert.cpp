#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>

#include "ocx_minmax_wert.h"
#include "property_bag.h"

using namespace kav::controls;

namespace {

const QStringList kStoredOrder = {
    "iMin",           "iOMin",          "iOMax",          "iValue",         "MinHeight",
    "MinWidth",       "iTxtGroesse",    "MinTxtGroesse",  "BackColor",      "Font",
    "WertStyle",      "WertBorder",     "PfeileColor",    "PfeileWidth",    "WertGrColor",
    "WertGrWidth",    "ZeroColor",      "ZeroWidth",      "Hint_BackColor", "Hint_BorderColor",
    "Hint_FillColor", "Hint_BackStyle", "Hint_FillStyle", "GBer_BackColor", "GBer_BorderColor",
    "Enabled",        "WertVisible",    "WertGrafikAbst", "UfZeigen",       "iMax",
    "UfFarbe",        "WertColor",      "FontColor"};

int invokeRefused(ocxMinMaxWert& w, const char* setter, qint16 value) {
    int result = 0;
    EXPECT_TRUE(QMetaObject::invokeMethod(&w, setter, Q_RETURN_ARG(int, result), Q_ARG(qint16, value)));
    return result;
}

} // namespace

TEST(OcxMinMaxWert, NewInstanceHasTheDefaultsWithTheirTypes) {
    ocxMinMaxWert w;
    w.InitProperties();
    const auto is = [&](const char* name, QMetaType::Type type, const QVariant& expected) {
        const QVariant v = w.property(name);
        EXPECT_EQ(v.metaType().id(), type) << name;
        EXPECT_EQ(v, expected) << name;
    };
    is("iMin", QMetaType::Float, -1.0f);
    is("iOMin", QMetaType::Float, -0.5f);
    is("iOMax", QMetaType::Float, 0.5f);
    is("iValue", QMetaType::Float, 0.0f);
    is("iMax", QMetaType::Float, 1.0f);
    is("MinHeight", QMetaType::Short, qint16(255));
    is("MinWidth", QMetaType::Short, qint16(540));
    is("iTxtGroesse", QMetaType::Short, qint16(600));
    is("MinTxtGroesse", QMetaType::Short, qint16(240));
    is("WertGrafikAbst", QMetaType::Short, qint16(135));
    is("BackColor", QMetaType::Int, qint32(0x8000000Fu));
    is("FontColor", QMetaType::Int, qint32(0x80000008u));
    is("WertGrColor", QMetaType::Int, qint32(-1));
    is("GBer_BackColor", QMetaType::Int, qint32(0xC000));
    is("Hint_BackColor", QMetaType::Int, qint32(0xC0C0C0));
    is("Hint_FillStyle", QMetaType::Short, qint16(5));
    is("UfFarbe", QMetaType::Int, qint32(255));
    is("WertColor", QMetaType::Int, qint32(0xFFFFFF));
    is("UfZeigen", QMetaType::Bool, true);
    is("Enabled", QMetaType::Bool, true);
    is("WertVisible", QMetaType::Bool, true);
    EXPECT_EQ(w.property("Font").value<QFont>(), QApplication::font());
    EXPECT_TRUE(QMetaObject::invokeMethod(&w, "Refresh"));
}

TEST(OcxMinMaxWert, SettersStoreMarkChangedAndRedraw) {
    ocxMinMaxWert w;
    w.resize(200, 20);
    QSignalSpy resize(&w, &ocxMinMaxWert::Resize);
    QSignalSpy marked(&w, &ocxMinMaxWert::propertyChanged);
    QSignalSpy notify(&w, &ocxMinMaxWert::PfeileColorChanged);

    ASSERT_TRUE(w.setProperty("PfeileColor", 0x00FF00));
    EXPECT_EQ(w.style().pfeileColor, 0x00FF00) << "handed to the arrow lines";
    EXPECT_EQ(notify.count(), 1);
    ASSERT_EQ(marked.count(), 1);
    EXPECT_EQ(marked.at(0).at(0).toString(), QStringLiteral("PfeileColor"));
    EXPECT_EQ(resize.count(), 1);

    // A colour passed unsigned, the way a host may keep 0x80000005.
    ASSERT_TRUE(w.setProperty("BackColor", QVariant::fromValue(0x80000005u)));
    EXPECT_EQ(w.BackColor(), qint32(0x80000005u));

    ASSERT_TRUE(w.setProperty("iMin", -100));
    EXPECT_FLOAT_EQ(w.iMin(), -100.0f);
    EXPECT_EQ(marked.last().at(0).toString(), QStringLiteral("iMin"));
    EXPECT_EQ(resize.count(), 3);

    ASSERT_TRUE(w.setProperty("Enabled", false));
    EXPECT_FALSE(w.isEnabled());
    EXPECT_FALSE(w.property("Enabled").toBool());
}

TEST(OcxMinMaxWert, SameValueTwiceRedrawsOnce) {
    ocxMinMaxWert w;
    w.resize(200, 20);
    QSignalSpy resize(&w, &ocxMinMaxWert::Resize);
    QSignalSpy marked(&w, &ocxMinMaxWert::propertyChanged);
    ASSERT_TRUE(w.setProperty("iValue", 0.3f));
    ASSERT_TRUE(w.setProperty("iValue", 0.3f));
    EXPECT_EQ(resize.count(), 1);
    EXPECT_EQ(marked.count(), 1);
    ASSERT_TRUE(w.setProperty("iValue", 0.4f));
    EXPECT_EQ(resize.count(), 2);
    EXPECT_EQ(w.layout().text, QStringLiteral("0.4"));
}

TEST(OcxMinMaxWert, StoredOnlyPropertiesRefuseEveryAssignment) {
    ocxMinMaxWert w;
    QSignalSpy errors(&w, &ocxMinMaxWert::error);
    QSignalSpy marked(&w, &ocxMinMaxWert::propertyChanged);
    for (const char* name : {"MinHeight", "MinWidth", "MinTxtGroesse", "WertGrafikAbst"}) {
        const QVariant before = w.property(name);
        EXPECT_FALSE(w.setProperty(name, 300)) << name;
        EXPECT_EQ(w.property(name), before) << name;
        EXPECT_TRUE(w.dynamicPropertyNames().isEmpty());
    }
    w.setAmbientUserMode(true);
    EXPECT_EQ(invokeRefused(w, "setMinHeight", 300), 382);
    EXPECT_EQ(invokeRefused(w, "setWertGrafikAbst", 300), 382);
    w.setAmbientUserMode(false);
    EXPECT_EQ(invokeRefused(w, "setMinWidth", 300), 387);
    EXPECT_EQ(invokeRefused(w, "setMinTxtGroesse", 300), 387);
    EXPECT_EQ(w.lastError(), 387);
    ASSERT_EQ(errors.count(), 4);
    EXPECT_EQ(errors.at(0).at(0).toInt(), 382);
    EXPECT_EQ(errors.at(3).at(0).toInt(), 387);
    EXPECT_EQ(marked.count(), 0);
    EXPECT_EQ(w.MinHeight(), 255);
    EXPECT_EQ(w.MinTxtGroesse(), 240);
}

TEST(OcxMinMaxWert, RedrawEnforcesTheSmallestSize) {
    ocxMinMaxWert w;
    w.resize(10, 5);
    w.setIValue(0.1f);
    EXPECT_EQ(w.width(), 61);  // (240 + 135 + 540) / 15
    EXPECT_EQ(w.height(), 17); // 255 / 15
    EXPECT_EQ(w.layout().shpHintergrund.height, 255);

    ocxMinMaxWert hidden;
    hidden.setWertVisible(false);
    hidden.resize(10, 5);
    hidden.setIValue(0.1f);
    EXPECT_EQ(hidden.width(), 36);
    EXPECT_EQ(hidden.layout().shpHintergrund.width, 540);
    EXPECT_FALSE(hidden.layout().lblWert.visible);
}

TEST(OcxMinMaxWert, TooWideValueBoxFallsBackThroughItsSetter) {
    ocxMinMaxWert w;
    w.resize(100, 20); // 1500 twips
    QSignalSpy resize(&w, &ocxMinMaxWert::Resize);
    QSignalSpy marked(&w, &ocxMinMaxWert::propertyChanged);
    w.setITxtGroesse(1000); // 1000 + 135 + 540 > 1500
    EXPECT_EQ(w.iTxtGroesse(), 240);
    EXPECT_EQ(w.layout().boxWidth, 240);
    EXPECT_EQ(w.layout().shpHintergrund.width, 1500 - 240 - 135);
    ASSERT_EQ(marked.count(), 2);
    EXPECT_EQ(marked.at(1).at(0).toString(), QStringLiteral("iTxtGroesse"));
    EXPECT_EQ(resize.count(), 2) << "the fallback redraws once more";

    w.setITxtGroesse(700); // fits: 700 + 135 + 540 <= 1500
    EXPECT_EQ(w.iTxtGroesse(), 700);
    EXPECT_EQ(w.layout().lblWert.left, 800);
}

TEST(OcxMinMaxWert, RedrawsOnFirstShowAndKeepsItsDrawingOtherwise) {
    QWidget host;
    host.resize(300, 100);
    auto* w = new ocxMinMaxWert(&host);
    w->setGeometry(0, 0, 200, 20);
    QSignalSpy resize(w, &ocxMinMaxWert::Resize);
    QSignalSpy shown(w, &ocxMinMaxWert::Show);
    host.show();
    EXPECT_EQ(shown.count(), 1);
    EXPECT_GE(resize.count(), 1);
    EXPECT_EQ(w->layout().shpHintergrund.height, 300);
    const auto afterFirst = resize.count();
    w->hide();
    w->show();
    EXPECT_EQ(shown.count(), 2);
    EXPECT_EQ(resize.count(), afterFirst) << "same height: keeps its drawing";
    w->resize(200, 30);
    EXPECT_EQ(w->layout().shpHintergrund.height, 450);
}

TEST(OcxMinMaxWert, WritesEveryPropertyInOrderAndReadsThemBack) {
    ocxMinMaxWert w;
    w.InitProperties();
    MemoryPropertyBag defaults;
    w.WriteProperties(defaults);
    EXPECT_EQ(defaults.names(), kStoredOrder);

    MemoryPropertyBag stored;
    stored.set("iMin", -100.0f);
    stored.set("iMax", 100.0f);
    stored.set("iOMin", -10.0f);
    stored.set("iOMax", 10.0f);
    stored.set("iValue", 12.5f);
    stored.set("MinHeight", 400);
    stored.set("WertGrafikAbst", 60);
    stored.set("BackColor", QVariant::fromValue(0x80000005u));
    stored.set("Font", QFont(QStringLiteral("Sans Serif"), 14));
    stored.set("UfZeigen", false);
    stored.set("WertVisible", 0);
    stored.set("Hint_FillStyle", 99999); // not a 16-bit value: the default stays
    stored.set("PfeileWidth", QStringLiteral("x"));

    ocxMinMaxWert r;
    r.resize(200, 20);
    QSignalSpy marked(&r, &ocxMinMaxWert::propertyChanged);
    r.ReadProperties(stored);
    EXPECT_EQ(stored.readLog(), kStoredOrder);
    EXPECT_EQ(marked.count(), 0) << "reading is no change";
    EXPECT_FLOAT_EQ(r.iMin(), -100.0f);
    EXPECT_FLOAT_EQ(r.iValue(), 12.5f);
    EXPECT_EQ(r.MinHeight(), 400);
    EXPECT_EQ(r.WertGrafikAbst(), 60);
    EXPECT_EQ(r.BackColor(), qint32(0x80000005u));
    EXPECT_EQ(r.Font().pointSize(), 14);
    EXPECT_FALSE(r.UfZeigen());
    EXPECT_FALSE(r.WertVisible());
    EXPECT_EQ(r.Hint_FillStyle(), 5);
    EXPECT_EQ(r.PfeileWidth(), 2);
    EXPECT_EQ(r.height(), 27) << "MinHeight 400 twips";

    MemoryPropertyBag again;
    r.WriteProperties(again);
    ocxMinMaxWert copy;
    copy.ReadProperties(again);
    for (const QString& name : kStoredOrder) {
        EXPECT_EQ(copy.property(name.toLatin1()), r.property(name.toLatin1())) << name.toStdString();
    }
}
