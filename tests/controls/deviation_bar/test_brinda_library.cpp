// The library Brinda as the program meets it: registered in a registry file,
// loaded by identifier, talked to only through property names.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QLibrary>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWidget>

#include "control_host.h"
#include "control_library.h"
#include "control_registry.h"
#include "property_bag.h"

using namespace kav::controls;

namespace {

const QString kProgId = QStringLiteral("Brinda.ocxBadInc");

class BrindaLibrary : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        registryPath_ = dir_.filePath("kavcontrols.reg");
        qputenv("KAV_CONTROL_REGISTRY", registryPath_.toLocal8Bit());
        library_.setFileName(QStringLiteral(BRINDA_LIBRARY_PATH));
        ASSERT_TRUE(library_.load()) << library_.errorString().toStdString();
        registerServer_ = reinterpret_cast<DllRegisterServerFn>(library_.resolve("DllRegisterServer"));
        unregisterServer_ = reinterpret_cast<DllUnregisterServerFn>(library_.resolve("DllUnregisterServer"));
        getClassObject_ = reinterpret_cast<DllGetClassObjectFn>(library_.resolve("DllGetClassObject"));
        canUnloadNow_ = reinterpret_cast<DllCanUnloadNowFn>(library_.resolve("DllCanUnloadNow"));
        ASSERT_TRUE(registerServer_ && unregisterServer_ && getClassObject_ && canUnloadNow_);
        ASSERT_EQ(registerServer_(), kS_OK);
    }
    void TearDown() override { qunsetenv("KAV_CONTROL_REGISTRY"); }

    QTemporaryDir dir_;
    QString registryPath_;
    QLibrary library_;
    DllRegisterServerFn registerServer_ = nullptr;
    DllUnregisterServerFn unregisterServer_ = nullptr;
    DllGetClassObjectFn getClassObject_ = nullptr;
    DllCanUnloadNowFn canUnloadNow_ = nullptr;
};

} // namespace

TEST_F(BrindaLibrary, RegistersItsOwnPathAndUnregisters) {
    const QString registered = ControlRegistry(registryPath_).libraryFor(kProgId);
    EXPECT_EQ(QFileInfo(registered).canonicalFilePath(),
              QFileInfo(QStringLiteral(BRINDA_LIBRARY_PATH)).canonicalFilePath());

    EXPECT_EQ(unregisterServer_(), kS_OK);
    EXPECT_TRUE(ControlRegistry(registryPath_).libraryFor(kProgId).isEmpty());
    ControlHost host(registryPath_);
    EXPECT_EQ(host.create(kProgId, nullptr), nullptr);
    EXPECT_FALSE(host.error().isEmpty());
}

TEST_F(BrindaLibrary, ServesOnlyItsOwnClass) {
    ControlFactory* factory = reinterpret_cast<ControlFactory*>(1);
    EXPECT_EQ(getClassObject_("Valtrix.ocxMinMaxWert", &factory), kCLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(factory, nullptr);
    EXPECT_EQ(getClassObject_(nullptr, &factory), kCLASS_E_CLASSNOTAVAILABLE);
    ASSERT_EQ(getClassObject_("Brinda.ocxBadInc", &factory), kS_OK);
    ASSERT_NE(factory, nullptr);
    EXPECT_EQ(factory->progId(), kProgId);
}

TEST_F(BrindaLibrary, NewInstanceByIdentifierWorksThroughPropertyNames) {
    ControlHost host(registryPath_);
    EXPECT_EQ(canUnloadNow_(), kS_OK);
    HostedControl* control = host.create(kProgId, nullptr);
    ASSERT_NE(control, nullptr) << host.error().toStdString();
    QWidget* w = control->widget();
    EXPECT_EQ(canUnloadNow_(), kS_FALSE);

    EXPECT_TRUE(w->property("Enabled").toBool());
    EXPECT_EQ(w->property("ImpulsZahl").toInt(), 1024);
    EXPECT_TRUE(w->property("PosMin3Zeigen").toBool());

    QSignalSpy changed(w, SIGNAL(propertyChanged(QString)));
    EXPECT_TRUE(w->setProperty("PosMax", 256));
    EXPECT_TRUE(w->setProperty("MaxFarbe", 0x0000FF));
    EXPECT_EQ(w->property("PosMax").toInt(), 256);
    EXPECT_EQ(w->property("MaxFarbe").toInt(), 0x0000FF);
    EXPECT_EQ(changed.count(), 2);

    // Persisted by name, as the window keeps its design values.
    MemoryPropertyBag bag;
    control->WriteProperties(bag);
    EXPECT_EQ(bag.value("PosMax").toInt(), 256);
    EXPECT_EQ(bag.names().first(), QStringLiteral("Enabled"));
    EXPECT_EQ(bag.names().last(), QStringLiteral("ImpulsZahl"));

    w->show();
    QSignalSpy resized(w, SIGNAL(Resize()));
    w->resize(320, 240);
    EXPECT_EQ(resized.count(), 1);

    delete w;
    EXPECT_EQ(canUnloadNow_(), kS_OK);
}

TEST_F(BrindaLibrary, StoredInstanceReadsItsPropertiesFromTheBag) {
    MemoryPropertyBag bag;
    bag.set("Enabled", true);
    bag.set("PosMin", qint16(30));
    bag.set("Min", qint16(-6));
    bag.set("PosMinZeigen", false);
    bag.set("ImpulsZahl", qint16(100));
    ControlHost host(registryPath_);
    HostedControl* control = host.create(kProgId, nullptr, &bag);
    ASSERT_NE(control, nullptr) << host.error().toStdString();
    QWidget* w = control->widget();
    EXPECT_EQ(w->property("PosMin").toInt(), 30);
    EXPECT_EQ(w->property("Min").toInt(), -6);
    EXPECT_FALSE(w->property("PosMinZeigen").toBool());
    EXPECT_EQ(w->property("ImpulsZahl").toInt(), 100);
    EXPECT_TRUE(w->property("Enabled").toBool());
    EXPECT_EQ(bag.readLog().size(), 42);

    // The pulse number going to 0 switches it off, seen through the names.
    w->setProperty("ImpulsZahl", 0);
    EXPECT_FALSE(w->property("Enabled").toBool());
    delete w;
}
