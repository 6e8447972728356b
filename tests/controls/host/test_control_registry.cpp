#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLibrary>
#include <QTemporaryDir>

#include <filesystem>

#include "control_registry.h"

using kav::controls::ControlRegistry;

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(ControlRegistry, AddReplaceRemoveKeepOtherLines) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("kavcontrols.reg"));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("# installed controls\r\nTacho.ocxTacho=/opt/kav/libTacho.so\r\n");
    }
    ControlRegistry reg(path);
    EXPECT_EQ(reg.libraryFor(QStringLiteral("Tacho.ocxTacho")), QStringLiteral("/opt/kav/libTacho.so"));
    EXPECT_EQ(reg.libraryFor(QStringLiteral("tacho.OCXTACHO")), QStringLiteral("/opt/kav/libTacho.so"))
        << "identifiers compare without case, as the component registry did";

    ASSERT_TRUE(reg.add(QStringLiteral("Valtrix.ocxMinMaxWert"), QStringLiteral("/a b/libValtrix.so")));
    ASSERT_TRUE(reg.add(QStringLiteral("Valtrix.ocxMinMaxWert"), QStringLiteral("/new/libValtrix.so")));
    EXPECT_EQ(reg.libraryFor(QStringLiteral("Valtrix.ocxMinMaxWert")), QStringLiteral("/new/libValtrix.so"));
    EXPECT_EQ(readAll(path), QByteArray("# installed controls\nTacho.ocxTacho=/opt/kav/libTacho.so\n"
                                        "Valtrix.ocxMinMaxWert=/new/libValtrix.so\n"));

    ASSERT_TRUE(reg.remove(QStringLiteral("Tacho.ocxTacho")));
    EXPECT_TRUE(reg.libraryFor(QStringLiteral("Tacho.ocxTacho")).isEmpty());
    EXPECT_TRUE(reg.remove(QStringLiteral("Tacho.ocxTacho"))) << "removing an absent entry is no failure";
    EXPECT_EQ(reg.libraryFor(QStringLiteral("Valtrix.ocxMinMaxWert")), QStringLiteral("/new/libValtrix.so"));
    EXPECT_TRUE(readAll(path).startsWith("# installed controls\n"));
}

TEST(ControlRegistry, RefusesMalformedEntriesAndMissingFiles) {
    QTemporaryDir dir;
    ControlRegistry missing(dir.filePath(QStringLiteral("none/deeper.reg")));
    EXPECT_TRUE(missing.libraryFor(QStringLiteral("Tacho.ocxTacho")).isEmpty());
    EXPECT_FALSE(missing.add(QStringLiteral("Tacho.ocxTacho"), QStringLiteral("/x"))) << "folder does not exist";

    ControlRegistry reg(dir.filePath(QStringLiteral("r.reg")));
    EXPECT_FALSE(reg.add(QString(), QStringLiteral("/x")));
    EXPECT_FALSE(reg.add(QStringLiteral("a=b"), QStringLiteral("/x")));
    EXPECT_FALSE(reg.add(QStringLiteral("a"), QString()));
    EXPECT_FALSE(reg.add(QStringLiteral("a"), QStringLiteral("/x\nb=/evil")));
    EXPECT_TRUE(reg.libraryFor(QString()).isEmpty());
}

TEST(ControlRegistry, DefaultPathFollowsTheEnvironment) {
    qunsetenv("KAV_CONTROL_REGISTRY");
    EXPECT_EQ(ControlRegistry::defaultPath(QStringLiteral("/opt/kav")), QStringLiteral("/opt/kav/kavcontrols.reg"));
    qputenv("KAV_CONTROL_REGISTRY", "/tmp/elsewhere.reg");
    EXPECT_EQ(ControlRegistry::defaultPath(QStringLiteral("/opt/kav")), QStringLiteral("/tmp/elsewhere.reg"));
    qunsetenv("KAV_CONTROL_REGISTRY");
}

TEST(ControlRegistry, LibraryPathOfNamesTheLibraryHoldingTheAddress) {
    QLibrary lib(QDir(QStringLiteral(FAKE_CONTROL_DIR)).filePath(QStringLiteral("FakeGauge")));
    ASSERT_TRUE(lib.load()) << lib.errorString().toStdString();
    const auto fn = lib.resolve("DllCanUnloadNow");
    ASSERT_NE(fn, nullptr);
    EXPECT_EQ(QFileInfo(kav::controls::libraryPathOf(reinterpret_cast<const void*>(fn))).canonicalFilePath(),
              QFileInfo(lib.fileName()).canonicalFilePath());
    EXPECT_TRUE(kav::controls::libraryPathOf(nullptr).isEmpty());
}

TEST(ControlRegistry, RegisteringWhatIsRegisteredLeavesTheFileAlone) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kavcontrols.reg"));
    ControlRegistry reg(path);
    ASSERT_TRUE(reg.add(QStringLiteral("Tacho.ocxTacho"), QStringLiteral("/opt/kav/libTacho.so")));
    // A second name for the file: a rewrite (a new file renamed over it) parts them.
    const std::filesystem::path file(path.toStdString());
    const std::filesystem::path twin(dir.filePath(QStringLiteral("twin")).toStdString());
    std::filesystem::create_hard_link(file, twin);
    ASSERT_TRUE(reg.add(QStringLiteral("Tacho.ocxTacho"), QStringLiteral("/opt/kav/libTacho.so")));
    EXPECT_TRUE(std::filesystem::equivalent(file, twin)) << "the same entry again was written anew";
    ASSERT_TRUE(reg.add(QStringLiteral("Tacho.ocxTacho"), QStringLiteral("/new/libTacho.so")));
    EXPECT_FALSE(std::filesystem::equivalent(file, twin)) << "a changed entry is written";
    EXPECT_EQ(reg.libraryFor(QStringLiteral("Tacho.ocxTacho")), QStringLiteral("/new/libTacho.so"));
}

TEST(ControlRegistry, ABareLibraryNameLiesBesideTheRegistry) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kavcontrols.reg"));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("# as installed\nBrinda.ocxBadInc=libBrinda.so\nTacho.ocxTacho=sub/libTacho.so\n");
    }
    const ControlRegistry reg(path);
    EXPECT_EQ(reg.libraryFor(QStringLiteral("Brinda.ocxBadInc")),
              QDir(dir.path()).filePath(QStringLiteral("libBrinda.so")));
    EXPECT_EQ(reg.libraryFor(QStringLiteral("Tacho.ocxTacho")),
              QDir(dir.path()).filePath(QStringLiteral("sub/libTacho.so")));
    EXPECT_TRUE(reg.libraryFor(QStringLiteral("Valtrix.ocxMinMaxWert")).isEmpty());
}
