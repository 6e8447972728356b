// Where the program keeps its files: beside itself when it may write there,
// per user when it is installed or its folder is read-only.
#include <program_places.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "qt_printers.h"

using namespace kav::shell;

namespace {

const QString kKonfig = QStringLiteral("/home/u/.config/KavStudio");
const QString kDaten = QStringLiteral("/home/u/.local/share/KavStudio");
const QString kDokumente = QStringLiteral("/home/u/Dokumente");

PlaceProbe probe(bool beschreibbar) {
    PlaceProbe p;
    p.writable = [beschreibbar](const QString&) { return beschreibbar; };
    p.privateLibraryFolder = QStringLiteral("../lib/kavstudio");
    p.userConfigFolder = kKonfig;
    p.userDataFolder = kDaten;
    p.userDocumentsFolder = kDokumente;
    return p;
}

// Whether a file can really be made in the folder, as the user running the test.
bool schreibversuch(const QString& ordner) {
    QFile f(QDir(ordner).filePath(QStringLiteral("probe.tmp")));
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.close();
    f.remove();
    return true;
}

} // namespace

TEST(ProgramPlaces, ACopyInAWritableFolderKeepsEverythingBesideItself) {
    QTemporaryDir wurzel;
    const QString programm = wurzel.filePath(QStringLiteral("bin"));
    ASSERT_TRUE(QDir().mkpath(programm));
    const ProgramPlaces o = choosePlaces(programm, probe(true));
    EXPECT_FALSE(o.installed);
    EXPECT_EQ(o.settingsFolder, programm);
    EXPECT_EQ(o.controlFolder, programm);
    EXPECT_TRUE(o.registerControls);
    EXPECT_TRUE(o.logFolder.isEmpty()) << "the logs stay in the working folder";
    EXPECT_EQ(o.logFallbackFolder, kDaten) << "unless it cannot take them";
    EXPECT_EQ(o.browserFolder, programm);
}

TEST(ProgramPlaces, AnInstalledOrReadOnlyProgramWritesNothingBesideItself) {
    struct Fall {
        const char* name;
        bool beschreibbar;
        bool privatOrdner;
    };
    // The superuser may write into /usr/bin: the private library folder alone
    // says the program is installed.
    const Fall faelle[] = {
        {"installed, folder read-only", false, true},
        {"installed, run by the superuser", true, true},
        {"a copy on a read-only medium", false, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        QTemporaryDir wurzel;
        const QString programm = wurzel.filePath(QStringLiteral("bin"));
        const QString privat = wurzel.filePath(QStringLiteral("lib/kavstudio"));
        ASSERT_TRUE(QDir().mkpath(programm));
        if (f.privatOrdner) {
            ASSERT_TRUE(QDir().mkpath(privat));
        }
        const ProgramPlaces o = choosePlaces(programm, probe(f.beschreibbar));
        EXPECT_TRUE(o.installed);
        EXPECT_EQ(o.settingsFolder, kKonfig);
        EXPECT_EQ(o.logFolder, kDaten);
        EXPECT_FALSE(o.registerControls) << "the control registry is read, never written";
        EXPECT_EQ(o.controlFolder, f.privatOrdner ? privat : programm);
        EXPECT_EQ(o.browserFolder, kDokumente);
    }
}

TEST(ProgramPlaces, WithoutUserFoldersTheProgramsFolderIsTheLastResort) {
    QTemporaryDir wurzel;
    PlaceProbe p = probe(false);
    p.userConfigFolder.clear();
    p.userDocumentsFolder.clear();
    const ProgramPlaces o = choosePlaces(wurzel.path(), p);
    EXPECT_EQ(o.settingsFolder, wurzel.path());
    EXPECT_EQ(o.browserFolder, wurzel.path());
}

TEST(ProgramPlaces, TheSystemProbeAgreesWithAWriteAttempt) {
    QTemporaryDir wurzel;
    const QString frei = wurzel.filePath(QStringLiteral("frei"));
    const QString nurLesen = wurzel.filePath(QStringLiteral("nurlesen"));
    ASSERT_TRUE(QDir().mkpath(frei));
    ASSERT_TRUE(QDir().mkpath(nurLesen));
    ASSERT_TRUE(QFile::setPermissions(nurLesen, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    QFile datei(wurzel.filePath(QStringLiteral("datei")));
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.close();

    EXPECT_TRUE(folderWritable(frei));
    // A superuser may write into the read-only folder: the probe must say what is true.
    EXPECT_EQ(folderWritable(nurLesen), schreibversuch(nurLesen));
    EXPECT_FALSE(folderWritable(datei.fileName())) << "a file is no folder";
    EXPECT_FALSE(folderWritable(datei.fileName() + QStringLiteral("/unter")));
    EXPECT_FALSE(folderWritable(wurzel.filePath(QStringLiteral("fehlt"))));
    EXPECT_FALSE(folderWritable({}));
    QFile::setPermissions(nurLesen, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    const PlaceProbe system = systemPlaceProbe();
    EXPECT_TRUE(system.writable);
    EXPECT_FALSE(system.userConfigFolder.isEmpty());
    EXPECT_FALSE(system.userDataFolder.isEmpty());
    EXPECT_TRUE(QDir(system.userDocumentsFolder).exists());
}
