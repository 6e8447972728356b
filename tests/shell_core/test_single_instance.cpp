#include <single_instance.h>

#include "qt_printers.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

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
