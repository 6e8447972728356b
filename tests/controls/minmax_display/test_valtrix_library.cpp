#include <gtest/gtest.h>

#include <QDir>
#include <QLibrary>
#include <QTemporaryDir>
#include <QWidget>

#include "control_host.h"
#include "control_library.h"
#include "control_registry.h"
#include "property_bag.h"

using namespace kav::controls;

namespace {

class ValtrixLibrary : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        registry_ = dir_.filePath(QStringLiteral("kavcontrols.reg"));
        qputenv("KAV_CONTROL_REGISTRY", registry_.toLocal8Bit());
        library_.setFileName(QDir(QStringLiteral(VALTRIX_DIR)).filePath(QStringLiteral("Valtrix")));
        ASSERT_TRUE(library_.load()) << library_.errorString().toStdString();
    }
    void TearDown() override { qunsetenv("KAV_CONTROL_REGISTRY"); }

    template <typename Fn>
    Fn entry(const char* name) {
        return reinterpret_cast<Fn>(library_.resolve(name));
    }

    QTemporaryDir dir_;
    QString registry_;
    QLibrary library_;
};

} // namespace

TEST_F(ValtrixLibrary, RegistersAndCreatesByIdentifier) {
    ControlHost host(registry_);
    ASSERT_GE(host.registerLibrariesIn(QStringLiteral(VALTRIX_DIR)), 1);
    EXPECT_EQ(
        QFileInfo(ControlRegistry(registry_).libraryFor(QStringLiteral("Valtrix.ocxMinMaxWert"))).canonicalFilePath(),
        QFileInfo(library_.fileName()).canonicalFilePath());

    const auto canUnload = entry<DllCanUnloadNowFn>("DllCanUnloadNow");
    ASSERT_NE(canUnload, nullptr);
    EXPECT_EQ(canUnload(), kS_OK);

    MemoryPropertyBag design;
    design.set(QStringLiteral("iMin"), -100.0f);
    design.set(QStringLiteral("iMax"), 100.0f);
    design.set(QStringLiteral("iOMin"), -10.0f);
    design.set(QStringLiteral("iOMax"), 10.0f);
    QWidget page;
    HostedControl* control = host.create(QStringLiteral("Valtrix.ocxMinMaxWert"), &page, &design);
    ASSERT_NE(control, nullptr) << host.error().toStdString();
    QWidget* w = control->widget();
    EXPECT_EQ(w->parentWidget(), &page);
    EXPECT_EQ(QString::fromLatin1(w->metaObject()->className()), QStringLiteral("ocxMinMaxWert"));
    EXPECT_EQ(canUnload(), kS_FALSE);

    EXPECT_FLOAT_EQ(w->property("iMin").toFloat(), -100.0f);
    EXPECT_TRUE(w->setProperty("iValue", -56.0f));
    EXPECT_FLOAT_EQ(w->property("iValue").toFloat(), -56.0f);
    int refused = 0;
    ASSERT_TRUE(QMetaObject::invokeMethod(w, "setMinWidth", Q_RETURN_ARG(int, refused), Q_ARG(qint16, 1)));
    EXPECT_EQ(refused, 382) << "the host runs in user mode";

    MemoryPropertyBag out;
    control->WriteProperties(out);
    EXPECT_FLOAT_EQ(out.value(QStringLiteral("iValue")).toFloat(), -56.0f);

    delete w;
    EXPECT_EQ(canUnload(), kS_OK);
}

TEST_F(ValtrixLibrary, ServesOnlyItsOwnIdentifierAndUnregisters) {
    const auto getClassObject = entry<DllGetClassObjectFn>("DllGetClassObject");
    ASSERT_NE(getClassObject, nullptr);
    ControlFactory* factory = nullptr;
    EXPECT_EQ(getClassObject("Tacho.ocxTacho", &factory), kCLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(factory, nullptr);
    ASSERT_EQ(getClassObject("Valtrix.ocxMinMaxWert", &factory), kS_OK);
    ASSERT_NE(factory, nullptr);
    EXPECT_EQ(factory->progId(), QStringLiteral("Valtrix.ocxMinMaxWert"));

    ASSERT_EQ(entry<DllRegisterServerFn>("DllRegisterServer")(), kS_OK);
    EXPECT_FALSE(ControlRegistry(registry_).libraryFor(QStringLiteral("Valtrix.ocxMinMaxWert")).isEmpty());
    ASSERT_EQ(entry<DllUnregisterServerFn>("DllUnregisterServer")(), kS_OK);
    EXPECT_TRUE(ControlRegistry(registry_).libraryFor(QStringLiteral("Valtrix.ocxMinMaxWert")).isEmpty());
    ControlHost host(registry_);
    EXPECT_EQ(host.create(QStringLiteral("Valtrix.ocxMinMaxWert"), nullptr), nullptr);
}
