#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QPluginLoader>
#include <QUiLoader>
#include <QWidget>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <memory>

namespace {

class DesignerPlugin : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // Only the built libraries beside the plugin, never an installed registry.
        qunsetenv("KAV_CONTROL_REGISTRY");
    }
};

QDesignerCustomWidgetInterface* find(const QList<QDesignerCustomWidgetInterface*>& list, const QString& name) {
    for (auto* w : list) {
        if (w->name() == name)
            return w;
    }
    return nullptr;
}

} // namespace

TEST_F(DesignerPlugin, OffersTheThreeControlsCreatedThroughTheirLibraries) {
    QPluginLoader loader(QStringLiteral(DESIGNER_PLUGIN));
    QObject* instance = loader.instance();
    ASSERT_NE(instance, nullptr) << loader.errorString().toStdString();
    auto* collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(instance);
    ASSERT_NE(collection, nullptr);
    const auto widgets = collection->customWidgets();
    ASSERT_EQ(widgets.size(), 3);

    QWidget form;
    for (auto* plugin : widgets) {
        SCOPED_TRACE(plugin->name().toStdString());
        EXPECT_FALSE(plugin->isContainer());
        EXPECT_TRUE(plugin->domXml().contains(QStringLiteral("class=\"%1\"").arg(plugin->name())));
        QWidget* w = plugin->createWidget(&form);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(QString::fromLatin1(w->metaObject()->className()), plugin->name())
            << "the widget box name must be the class Designer gets";
    }

    auto* minmax = find(widgets, QStringLiteral("ocxMinMaxWert"));
    ASSERT_NE(minmax, nullptr);
    QWidget* w = minmax->createWidget(&form);
    int refused = 0;
    ASSERT_TRUE(QMetaObject::invokeMethod(w, "setMinHeight", Q_RETURN_ARG(int, refused), Q_ARG(qint16, 1)));
    EXPECT_EQ(refused, 387) << "created at design time";
    EXPECT_FLOAT_EQ(w->property("iMax").toFloat(), 1.0f) << "a new instance";
}

TEST_F(DesignerPlugin, FormsWithTheControlsLoadThroughQUiLoader) {
    QUiLoader loader;
    loader.clearPluginPaths();
    loader.addPluginPath(QStringLiteral(DESIGNER_PLUGIN_DIR));
    ASSERT_TRUE(loader.availableWidgets().contains(QStringLiteral("ocxMinMaxWert")));

    QByteArray ui = R"(<ui version="4.0">
 <class>Page</class>
 <widget class="QWidget" name="Page">
  <widget class="ocxMinMaxWert" name="ocxSym0">
   <property name="geometry"><rect><x>10</x><y>10</y><width>200</width><height>20</height></rect></property>
   <property name="iMin"><double>-50</double></property>
   <property name="iMax"><double>50</double></property>
   <property name="iValue"><double>4</double></property>
  </widget>
  <widget class="kav::controls::ocxTacho" name="ocxTacho">
   <property name="geometry"><rect><x>10</x><y>40</y><width>200</width><height>200</height></rect></property>
  </widget>
 </widget>
</ui>)";
    QBuffer buffer(&ui);
    std::unique_ptr<QWidget> page(loader.load(&buffer));
    ASSERT_NE(page, nullptr) << loader.errorString().toStdString();
    auto* sym0 = page->findChild<QWidget*>(QStringLiteral("ocxSym0"));
    ASSERT_NE(sym0, nullptr);
    EXPECT_STREQ(sym0->metaObject()->className(), "ocxMinMaxWert");
    EXPECT_FLOAT_EQ(sym0->property("iMin").toFloat(), -50.0f);
    EXPECT_FLOAT_EQ(sym0->property("iValue").toFloat(), 4.0f);
    auto* tacho = page->findChild<QWidget*>(QStringLiteral("ocxTacho"));
    ASSERT_NE(tacho, nullptr);
    EXPECT_STREQ(tacho->metaObject()->className(), "kav::controls::ocxTacho");
}
