#include <single_instance.h>

#include "qt_printers.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <functional>
#include <optional>

using kav::shell::EinzelInstanz;

namespace {

const QString kProgramm = QStringLiteral("/opt/kav/KavStudio");

QProcess* starteHalter(QProcess& p, const QString& art, const QString& schluessel, const QString& ordner) {
    p.start(QStringLiteral(KAV_LOCK_HOLDER), {art, schluessel, ordner});
    return &p;
}

} // namespace

TEST(EinzelInstanz, SecondLockOfTheSameProgramIsRefusedUntilTheFirstEnds) {
    QTemporaryDir ordner;
    std::optional<EinzelInstanz> erste(std::in_place, kProgramm, ordner.path());
    ASSERT_TRUE(erste->erwerben());
    EXPECT_TRUE(erste->erwerben()); // asking again keeps the lock

    EinzelInstanz zweite(kProgramm, ordner.path());
    EXPECT_FALSE(zweite.erwerben());
    // Another executable is another program.
    EinzelInstanz andere(QStringLiteral("/opt/other/KavStudio"), ordner.path());
    EXPECT_TRUE(andere.erwerben());

    erste.reset();
    EXPECT_TRUE(zweite.erwerben());
}

TEST(EinzelInstanz, ALiveProcessHoldsTheLockAgainstThisOne) {
    QTemporaryDir ordner;
    QProcess halter;
    starteHalter(halter, QStringLiteral("hold"), kProgramm, ordner.path());
    ASSERT_TRUE(halter.waitForReadyRead(10000)) << halter.errorString().toStdString();
    ASSERT_EQ(halter.readLine().trimmed(), QByteArray("locked"));

    EinzelInstanz hier(kProgramm, ordner.path());
    EXPECT_FALSE(hier.erwerben());

    halter.closeWriteChannel();
    ASSERT_TRUE(halter.waitForFinished(10000));
    EXPECT_EQ(halter.exitCode(), 0);
    EXPECT_TRUE(hier.erwerben());
}

TEST(EinzelInstanz, TheLockOfACrashedProcessDoesNotBlock) {
    QTemporaryDir ordner;
    QProcess halter;
    starteHalter(halter, QStringLiteral("crash"), kProgramm, ordner.path());
    ASSERT_TRUE(halter.waitForFinished(10000));
    ASSERT_EQ(halter.exitCode(), 0);
    // The dead process left its lock file behind.
    ASSERT_EQ(QDir(ordner.path()).entryList(QDir::Files).size(), 1);

    EinzelInstanz hier(kProgramm, ordner.path());
    EXPECT_TRUE(hier.erwerben());
    EinzelInstanz dritte(kProgramm, ordner.path());
    EXPECT_FALSE(dritte.erwerben());
}

TEST(EinzelInstanz, AnEmptyOrGarbledLockFileIsNoInstance) {
    for (const QByteArray& inhalt :
         {QByteArray(), QByteArray("\0\0\0", 3), QByteArray("99999999\nKavStudio\nhost\n")}) {
        SCOPED_TRACE(inhalt.toStdString());
        QTemporaryDir ordner;
        const QString datei = EinzelInstanz(kProgramm, ordner.path()).datei();
        QFile f(datei);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
        f.close();

        EinzelInstanz hier(kProgramm, ordner.path());
        EXPECT_TRUE(hier.erwerben());
        EXPECT_EQ(hier.ergebnis(), EinzelInstanz::Ergebnis::Gesperrt) << "the lock is taken properly";
        EinzelInstanz zweite(kProgramm, ordner.path());
        EXPECT_FALSE(zweite.erwerben());
    }
}

// A lock that cannot be created or opened never blocks a start: the program
// runs without one and says why.
TEST(EinzelInstanz, ALockThatCannotBeTakenLetsTheProgramStart) {
    struct Fall {
        const char* name;
        // Prepares the folder and gives the lock folder to use.
        std::function<QString(const QString& ordner)> vorbereiten;
    };
    const Fall faelle[] = {
        {"a folder in the lock file's place",
         [](const QString& ordner) {
             QDir(ordner).mkdir(EinzelInstanz(kProgramm, ordner).datei().section(u'/', -1));
             return ordner;
         }},
        {"a lock folder that cannot be created",
         [](const QString& ordner) {
             QFile f(ordner + QStringLiteral("/datei"));
             f.open(QIODevice::WriteOnly);
             return f.fileName() + QStringLiteral("/sperren");
         }},
        {"a lock folder that cannot be written",
         [](const QString& ordner) {
             const QString nurLesen = ordner + QStringLiteral("/nurlesen");
             QDir().mkdir(nurLesen);
             QFile::setPermissions(nurLesen, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
             return nurLesen;
         }},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        QTemporaryDir ordner;
        const QString sperrOrdner = f.vorbereiten(ordner.path());
        EinzelInstanz hier(kProgramm, sperrOrdner);
        EXPECT_TRUE(hier.erwerben());
        QFile::setPermissions(sperrOrdner, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        // The superuser writes into a read-only folder all the same.
        if (hier.ergebnis() == EinzelInstanz::Ergebnis::Gesperrt) {
            EXPECT_EQ(QString::fromLatin1(f.name), QStringLiteral("a lock folder that cannot be written"));
            continue;
        }
        EXPECT_EQ(hier.ergebnis(), EinzelInstanz::Ergebnis::OhneSperre);
        EXPECT_FALSE(hier.grund().isEmpty());
        EinzelInstanz zweite(kProgramm, sperrOrdner);
        EXPECT_TRUE(zweite.erwerben()) << "nothing holds a lock";
    }
}

TEST(EinzelInstanz, ALockFileThisUserCannotReadDoesNotBlock) {
    QTemporaryDir ordner;
    const QString datei = EinzelInstanz(kProgramm, ordner.path()).datei();
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    ASSERT_TRUE(QFile::setPermissions(datei, {}));
    EinzelInstanz hier(kProgramm, ordner.path());
    EXPECT_TRUE(hier.erwerben());
    EXPECT_NE(hier.ergebnis(), EinzelInstanz::Ergebnis::Belegt);
}

TEST(EinzelInstanz, TheLockIsTheUsersOwnAndBelongsToOneProgram) {
    const QString laufzeit = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    EXPECT_EQ(EinzelInstanz::standardOrdner(), laufzeit.isEmpty() ? QDir::tempPath() : laufzeit);
    const EinzelInstanz a(kProgramm);
    EXPECT_EQ(QFileInfo(a.datei()).absolutePath(), QFileInfo(EinzelInstanz::standardOrdner()).absoluteFilePath());
    EXPECT_NE(a.datei(), EinzelInstanz(QStringLiteral("/opt/other/KavStudio")).datei());
    EXPECT_EQ(a.datei(), EinzelInstanz(kProgramm).datei());
}
