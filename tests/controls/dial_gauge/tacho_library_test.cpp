// The library Tacho as the host meets it: registered in a registry file,
// loaded by identifier, driven through property names only.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QLibrary>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWidget>

#include <memory>

#include "control_host.h"
#include "control_library.h"
#include "control_registry.h"
#include "property_bag.h"

using namespace kav::controls;

namespace {

const QString kProgId = QStringLiteral("Tacho.ocxTacho");

class TachoLibraryTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        registryPath = dir.filePath(QStringLiteral("kavcontrols.reg"));
        // DllRegisterServer writes to the registry the environment names.
        qputenv("KAV_CONTROL_REGISTRY", registryPath.toLocal8Bit());
        host = std::make_unique<ControlHost>(registryPath);
        ASSERT_EQ(host->registerLibraries(QStringLiteral(KAV_TACHO_DIR), {QStringLiteral("Tacho")}), 1)
            << host->error().toStdString();
        library.setFileName(ControlRegistry(registryPath).libraryFor(kProgId));
        ASSERT_TRUE(library.load()) << library.errorString().toStdString();
        canUnloadNow = reinterpret_cast<DllCanUnloadNowFn>(library.resolve("DllCanUnloadNow"));
        ASSERT_NE(canUnloadNow, nullptr);
    }
    void TearDown() override { qunsetenv("KAV_CONTROL_REGISTRY"); }

    QTemporaryDir dir;
    QString registryPath;
    std::unique_ptr<ControlHost> host;
    QLibrary library;
    DllCanUnloadNowFn canUnloadNow = nullptr;
};

} // namespace

TEST_F(TachoLibraryTest, RegistersItsOwnPath) {
    const QString path = ControlRegistry(registryPath).libraryFor(kProgId);
    EXPECT_TRUE(QFileInfo(path).isAbsolute());
    EXPECT_TRUE(QFileInfo(path).fileName().contains(QStringLiteral("Tacho")));
}

TEST_F(TachoLibraryTest, CreatesByIdentifierAndCountsLiveInstances) {
    EXPECT_EQ(canUnloadNow(), kS_OK);
    HostedControl* control = host->create(kProgId, nullptr);
    ASSERT_NE(control, nullptr) << host->error().toStdString();
    QWidget* widget = control->widget();
    EXPECT_EQ(canUnloadNow(), kS_FALSE);

    // A new instance was initialised: defaults, and the Show handler has run.
    EXPECT_EQ(widget->property("MaxAnzahl").toInt(), 6000);
    EXPECT_EQ(widget->property("AusenBuchstabenFarbe").toInt(), 8421504);

    QSignalSpy changed(widget, SIGNAL(propertyChanged(QString)));
    EXPECT_TRUE(widget->setProperty("MaxAnzahl", 12000));
    EXPECT_TRUE(widget->setProperty("AktuellAnzahl", 7000));
    widget->setProperty("AktuellAnzahl", 13000); // above full scale: ignored
    EXPECT_EQ(widget->property("MaxAnzahl").toInt(), 12000);
    EXPECT_EQ(widget->property("AktuellAnzahl").toInt(), 7000);
    ASSERT_EQ(changed.count(), 2);
    EXPECT_EQ(changed.at(1).at(0).toString(), QStringLiteral("AktuellAnzahl"));

    MemoryPropertyBag bag;
    control->WriteProperties(bag);
    EXPECT_EQ(bag.value(QStringLiteral("MaxAnzahl")).toInt(), 12000);

    delete widget;
    EXPECT_EQ(canUnloadNow(), kS_OK);
}

TEST_F(TachoLibraryTest, CreatesFromStoredDesignValues) {
    MemoryPropertyBag design;
    design.set(QStringLiteral("MaxAnzahl"), 0); // a broken store: full scale 1 instead
    design.set(QStringLiteral("BenutzerText"), QStringLiteral("1/min"));
    HostedControl* control = host->create(kProgId, nullptr, &design);
    ASSERT_NE(control, nullptr) << host->error().toStdString();
    EXPECT_EQ(control->widget()->property("MaxAnzahl").toInt(), 1);
    EXPECT_EQ(control->widget()->property("BenutzerText").toString(), QStringLiteral("1/min"));
    delete control->widget();
}

TEST_F(TachoLibraryTest, OffersOnlyItsOwnClassAndUnregisters) {
    auto getClassObject = reinterpret_cast<DllGetClassObjectFn>(library.resolve("DllGetClassObject"));
    ASSERT_NE(getClassObject, nullptr);
    ControlFactory* factory = nullptr;
    EXPECT_EQ(getClassObject("Valtrix.ocxMinMaxWert", &factory), kCLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(factory, nullptr);
    ASSERT_EQ(getClassObject("Tacho.ocxTacho", &factory), kS_OK);
    ASSERT_NE(factory, nullptr);
    EXPECT_EQ(factory->progId(), kProgId);

    auto unregister = reinterpret_cast<DllUnregisterServerFn>(library.resolve("DllUnregisterServer"));
    ASSERT_NE(unregister, nullptr);
    EXPECT_EQ(unregister(), kS_OK);
    EXPECT_TRUE(ControlRegistry(registryPath).libraryFor(kProgId).isEmpty());
    EXPECT_EQ(host->create(kProgId, nullptr), nullptr);
    EXPECT_FALSE(host->error().isEmpty());
}
