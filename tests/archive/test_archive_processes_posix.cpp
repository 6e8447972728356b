// Imports as separate processes: killed in the middle, two at once, and a
// database file the importing user may not write.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <sys/stat.h>
#include <unistd.h>

#include "archive_fixture.h"

namespace kav::test {
namespace {

class ArchiveProcessTest : public ArchiveTest {
protected:
    // `count` distinct record files in a folder of their own.
    QString makeFiles(int count) {
        const QString folder = dir.filePath(QStringLiteral("files"));
        QDir().mkpath(folder);
        for (int i = 0; i < count; ++i) {
            QFile f(QStringLiteral("%1/r%2.kav").arg(folder).arg(i, 4, 10, QLatin1Char('0')));
            EXPECT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(recordBytes(i, i % 10 == 0 ? 3 : 1));
        }
        return folder;
    }

    static QStringList args(const QString& url, int batch, int pauseCommits, int pausePending, const QString& path) {
        return {url, QString::number(batch), QString::number(pauseCommits), QString::number(pausePending), path};
    }

    qint64 total() {
        archive::Archive a;
        open(a);
        archive::Stats s;
        EXPECT_FALSE(a.stats(s));
        return s.total;
    }
};

TEST_P(ArchiveProcessTest, AnImportKilledMidwayKeepsEveryCommittedBatch) {
    const QString folder = makeFiles(300);
    QProcess killed;
    killed.start(QStringLiteral(ARCHIVE_IMPORT_HELPER), args(url, 50, 3, 20, folder));
    ASSERT_TRUE(killed.waitForReadyRead(60000)) << killed.readAllStandardError().toStdString();
    ASSERT_EQ(killed.readAllStandardOutput(), QByteArray("paused\n"));
    ::kill(static_cast<pid_t>(killed.processId()), SIGKILL);
    ASSERT_TRUE(killed.waitForFinished(10000));
    EXPECT_EQ(killed.exitStatus(), QProcess::CrashExit);

    EXPECT_EQ(total(), 150); // three batches of 50; the 20 uncommitted are gone

    QProcess again;
    again.start(QStringLiteral(ARCHIVE_IMPORT_HELPER), args(url, 50, 0, 0, folder));
    ASSERT_TRUE(again.waitForFinished(120000));
    EXPECT_EQ(again.exitCode(), 0) << again.readAllStandardError().toStdString();
    EXPECT_EQ(again.readAllStandardOutput(), QByteArray("150 150 0\n"));
    EXPECT_EQ(total(), 300);
}

TEST_P(ArchiveProcessTest, TwoImportsAtOnceNeitherLoseNorDuplicate) {
    const QString folder = makeFiles(200);
    QProcess first, second;
    first.start(QStringLiteral(ARCHIVE_IMPORT_HELPER), args(url, 20, 0, 0, folder));
    second.start(QStringLiteral(ARCHIVE_IMPORT_HELPER), args(url, 20, 0, 0, folder));
    ASSERT_TRUE(first.waitForFinished(120000));
    ASSERT_TRUE(second.waitForFinished(120000));
    EXPECT_EQ(first.exitCode(), 0) << first.readAllStandardError().toStdString();
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
    const auto a = first.readAllStandardOutput().split(' ');
    const auto b = second.readAllStandardOutput().split(' ');
    ASSERT_EQ(a.size(), 3);
    ASSERT_EQ(b.size(), 3);
    EXPECT_EQ(a[0].toInt() + b[0].toInt(), 200);
    EXPECT_EQ(a[0].toInt() + a[1].toInt(), 200);
    EXPECT_EQ(total(), 200);
}

INSTANTIATE_TEST_SUITE_P(Databases, ArchiveProcessTest, testing::Values(Backend::SQLite, Backend::PostgreSQL),
                         backendName);

// A database file the user may not write: the import says so (the tests run
// as root here, who may write anything, so the helper then runs as nobody).
TEST(ArchiveReadOnly, AnImportIntoAReadOnlyFileFails) {
    ensureApplication();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString url = dir.filePath(QStringLiteral("archive.sqlite"));
    {
        archive::Archive a;
        ASSERT_FALSE(a.open(url));
        archive::Added added;
        ASSERT_FALSE(a.add({recordBytes(1), archive::Source::File, {}, {}}, added));
    }
    const QString record = dir.filePath(QStringLiteral("new.kav"));
    {
        QFile f(record);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(recordBytes(2));
    }
    ASSERT_EQ(::chmod(QFile::encodeName(url).constData(), 0444), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(record).constData(), 0644), 0);
    QProcess p;
    QStringList a = {url, QStringLiteral("10"), QStringLiteral("0"), QStringLiteral("0"), record};
    if (::geteuid() == 0) {
        a = QStringList{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups"),
                        QStringLiteral(ARCHIVE_IMPORT_HELPER)} + a;
        p.start(QStringLiteral("setpriv"), a);
    } else {
        p.start(QStringLiteral(ARCHIVE_IMPORT_HELPER), a);
    }
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_NE(p.exitCode(), 0);
    EXPECT_FALSE(p.readAllStandardError().trimmed().isEmpty());
    EXPECT_TRUE(p.readAllStandardOutput().isEmpty());
    ASSERT_EQ(::chmod(QFile::encodeName(url).constData(), 0644), 0);
    archive::Archive check;
    ASSERT_FALSE(check.open(url));
    archive::Stats s;
    ASSERT_FALSE(check.stats(s));
    EXPECT_EQ(s.total, 1);
}

} // namespace
} // namespace kav::test
