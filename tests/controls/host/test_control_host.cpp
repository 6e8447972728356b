#include <gtest/gtest.h>

#include <QDir>
#include <QLibrary>
#include <QTemporaryDir>
#include <QWidget>

#include <memory>

#include "control_host.h"
#include "control_library.h"
#include "control_registry.h"
#include "property_bag.h"

using namespace kav::controls;

namespace {

class HostTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        registry_ = dir_.filePath(QStringLiteral("controls.reg"));
        qputenv("KAV_CONTROL_REGISTRY", registry_.toLocal8Bit());
    }
    void TearDown() override { qunsetenv("KAV_CONTROL_REGISTRY"); }

    static QString fakeDir() { return QStringLiteral(FAKE_CONTROL_DIR); }
    static DllCanUnloadNowFn canUnloadNow() {
        QLibrary lib(QDir(fakeDir()).filePath(QStringLiteral("FakeGauge")));
        return lib.load() ? reinterpret_cast<DllCanUnloadNowFn>(lib.resolve("DllCanUnloadNow")) : nullptr;
    }

    QTemporaryDir dir_;
    QString registry_;
};

} // namespace

TEST_F(HostTest, RegistersLibrariesOfAFolderAndCreatesByIdentifier) {
    ControlHost host(registry_);
    EXPECT_EQ(host.registerLibraries(fakeDir(), {QStringLiteral("FakeGauge"), QStringLiteral("Missing")}), 1);
    EXPECT_TRUE(host.error().contains(QStringLiteral("Missing")));
    const QString registered = ControlRegistry(registry_).libraryFor(QStringLiteral("FakeGauge.ocxFake"));
    EXPECT_EQ(QFileInfo(registered).absolutePath(), QFileInfo(fakeDir()).absoluteFilePath());

    QWidget parent;
    const auto unload = canUnloadNow();
    ASSERT_NE(unload, nullptr);
    EXPECT_EQ(unload(), kS_OK);

    HostedControl* fresh = host.create(QStringLiteral("FakeGauge.ocxFake"), &parent);
    ASSERT_NE(fresh, nullptr) << host.error().toStdString();
    EXPECT_EQ(fresh->widget()->parentWidget(), &parent);
    EXPECT_EQ(fresh->widget()->property("Started").toString(), QStringLiteral("init"));
    EXPECT_TRUE(fresh->widget()->property("UserMode").toBool()) << "the program runs in user mode";
    EXPECT_FLOAT_EQ(fresh->widget()->property("Wert").toFloat(), 7.5f);
    EXPECT_EQ(unload(), kS_FALSE);

    MemoryPropertyBag bag;
    bag.set(QStringLiteral("Wert"), 2.25f);
    host.setAmbientUserMode(false);
    HostedControl* stored = host.create(QStringLiteral("FakeGauge.ocxFake"), &parent, &bag);
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(stored->widget()->property("Started").toString(), QStringLiteral("read"));
    EXPECT_FALSE(stored->widget()->property("UserMode").toBool());
    EXPECT_TRUE(stored->widget()->setProperty("Wert", 3.5f));
    MemoryPropertyBag out;
    stored->WriteProperties(out);
    EXPECT_FLOAT_EQ(out.value(QStringLiteral("Wert")).toFloat(), 3.5f);

    delete fresh->widget();
    EXPECT_EQ(unload(), kS_FALSE);
    delete stored->widget();
    EXPECT_EQ(unload(), kS_OK);
}

TEST_F(HostTest, ReportsUnknownIdentifiersAndUnservedClasses) {
    ControlHost host(registry_);
    EXPECT_EQ(host.create(QStringLiteral("Nobody.ocxNone"), nullptr), nullptr);
    EXPECT_TRUE(host.error().contains(QStringLiteral("not registered")));

    // A registered library that does not serve the identifier.
    QLibrary lib(QDir(fakeDir()).filePath(QStringLiteral("FakeGauge")));
    ASSERT_TRUE(lib.load());
    ASSERT_TRUE(ControlRegistry(registry_).add(QStringLiteral("FakeGauge.ocxOther"), lib.fileName()));
    EXPECT_EQ(host.create(QStringLiteral("FakeGauge.ocxOther"), nullptr), nullptr);
    EXPECT_TRUE(host.error().contains(QStringLiteral("class not available")));

    auto getClassObject = reinterpret_cast<DllGetClassObjectFn>(lib.resolve("DllGetClassObject"));
    ASSERT_NE(getClassObject, nullptr);
    ControlFactory* factory = reinterpret_cast<ControlFactory*>(&lib);
    EXPECT_EQ(getClassObject("FakeGauge.ocxOther", &factory), kCLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(factory, nullptr);

    ASSERT_TRUE(ControlRegistry(registry_).add(QStringLiteral("Broken.ocxBroken"), dir_.filePath("nothing.so")));
    EXPECT_EQ(host.create(QStringLiteral("Broken.ocxBroken"), nullptr), nullptr);
    EXPECT_FALSE(host.error().isEmpty());
}

TEST_F(HostTest, UnregisterRemovesOnlyItsOwnEntry) {
    ControlRegistry reg(registry_);
    ASSERT_TRUE(reg.add(QStringLiteral("Tacho.ocxTacho"), QStringLiteral("/x/libTacho.so")));
    ControlHost host(registry_);
    ASSERT_EQ(host.registerLibraries(fakeDir(), {QStringLiteral("FakeGauge")}), 1);
    QLibrary lib(QDir(fakeDir()).filePath(QStringLiteral("FakeGauge")));
    ASSERT_TRUE(lib.load());
    auto unregister = reinterpret_cast<DllUnregisterServerFn>(lib.resolve("DllUnregisterServer"));
    ASSERT_NE(unregister, nullptr);
    EXPECT_EQ(unregister(), kS_OK);
    EXPECT_TRUE(reg.libraryFor(QStringLiteral("FakeGauge.ocxFake")).isEmpty());
    EXPECT_EQ(reg.libraryFor(QStringLiteral("Tacho.ocxTacho")), QStringLiteral("/x/libTacho.so"));
}
