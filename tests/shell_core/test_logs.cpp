#include <logs.h>

#include "log_umgebung.h"

#include "qt_printers.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace kav::shell;
using kav::test::LogUmgebung;

namespace {

// A clock that moves one second on from every reading: an entry that read it
// twice would show it.
class TickendeUhr final : public kav::Clock {
public:
    explicit TickendeUhr(const kav::LocalTime& start) { uhr_.setLocalTime(start); }
    time_point now() const override { return uhr_.now(); }
    void sleepFor(duration d) override { uhr_.advance(d); }
    kav::LocalTime localTime() const override {
        ++lesungen;
        const kav::LocalTime t = uhr_.localTime();
        uhr_.advance(std::chrono::seconds(1));
        return t;
    }
    mutable int lesungen = 0;

private:
    mutable kav::ManualClock uhr_;
};

} // namespace

TEST(Logs, EachLogHasItsDailyFileAndTheEntryFormat) {
    LogUmgebung env; // 5 March 2008, 09:04:07
    LogSchreiben(QStringLiteral("X"));
    FehlerLogSchreiben(QStringLiteral("Error on 0 line"));
    KommunLogSchreiben(QStringLiteral("Schreiben -> 0A0B"));
    EXPECT_EQ(env.inhalt(QStringLiteral("2008.03.05.log")), QByteArray("09:04:07 - X\r\n"));
    EXPECT_EQ(env.inhalt(QStringLiteral("Errors_2008.03.05.log")), QByteArray("09:04:07 - Error on 0 line\r\n"));
    EXPECT_EQ(env.inhalt(QStringLiteral("Kommun_2008.03.05.log")), QByteArray("09:04:07 - Schreiben -> 0A0B\r\n"));
    EXPECT_EQ(env.dateien().size(), 3);
}

TEST(Logs, EntriesAppendAndAMessageWithCrLfContinuesWithoutStamp) {
    LogUmgebung env;
    env.uhr().setLocalTime({2024, 11, 23, 0, 0, 5});
    LogSchreiben(QStringLiteral("VerbindungAufbauen -> 'RD_Info' konnte nicht\r\nausgelesen werden."));
    env.uhr().advance(std::chrono::hours(13) + std::chrono::minutes(59));
    LogSchreiben(QStringLiteral("zwei"));
    EXPECT_EQ(env.inhalt(QStringLiteral("2024.11.23.log")),
              QByteArray("00:00:05 - VerbindungAufbauen -> 'RD_Info' konnte nicht\r\nausgelesen werden.\r\n"
                         "13:59:05 - zwei\r\n"));
}

TEST(Logs, TextIsWrittenAsWindows1252Bytes) {
    LogUmgebung env;
    LogSchreiben(QStringLiteral("Prüfung fehlgeschlagen – 5 €"));
    EXPECT_EQ(env.tagesLog(), QByteArray("09:04:07 - Pr\xfc"
                                         "fung fehlgeschlagen \x96 5 \x80\r\n"));
}

TEST(Logs, ANewDayStartsANewFile) {
    LogUmgebung env;
    env.uhr().setLocalTime({2008, 12, 31, 23, 59, 59});
    KommunLogSchreiben(QStringLiteral("alt"));
    env.uhr().advance(std::chrono::seconds(1));
    KommunLogSchreiben(QStringLiteral("neu"));
    EXPECT_EQ(env.inhalt(QStringLiteral("Kommun_2008.12.31.log")), QByteArray("23:59:59 - alt\r\n"));
    EXPECT_EQ(env.inhalt(QStringLiteral("Kommun_2009.01.01.log")), QByteArray("00:00:00 - neu\r\n"));
}

TEST(Logs, DateAndTimeComeFromOneReadingOfTheClock) {
    LogUmgebung env;
    TickendeUhr uhr({2008, 3, 5, 23, 59, 59});
    setLogClock(&uhr);
    LogSchreiben(QStringLiteral("Mitternacht"));
    EXPECT_EQ(uhr.lesungen, 1);
    // Time and file agree: the old day's time in the old day's file.
    EXPECT_EQ(env.inhalt(QStringLiteral("2008.03.05.log")), QByteArray("23:59:59 - Mitternacht\r\n"));
    EXPECT_FALSE(env.existiert(QStringLiteral("2008.03.06.log")));
}

TEST(Logs, WithoutAFolderOfItsOwnTheLogGoesToTheWorkingFolder) {
    LogUmgebung env;
    setLogFolder({});
    QTemporaryDir arbeit;
    const QString vorher = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(arbeit.path()));
    LogSchreiben(QStringLiteral("hier"));
    QDir::setCurrent(vorher);
    QFile f(QDir(arbeit.path()).filePath(QStringLiteral("2008.03.05.log")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("09:04:07 - hier\r\n"));
}

TEST(Logs, FailuresAreSwallowed) {
    LogUmgebung env;
    // The day's file name taken by a folder: the entry is lost, quietly.
    ASSERT_TRUE(QDir(env.ordner()).mkdir(QStringLiteral("2008.03.05.log")));
    LogSchreiben(QStringLiteral("verloren"));
    EXPECT_TRUE(QDir(env.ordner()).entryList(QDir::Files).isEmpty());

    // A folder that does not exist, and a file standing where the folder should be.
    setLogFolder(QDir(env.ordner()).filePath(QStringLiteral("fehlt")));
    FehlerLogSchreiben(QStringLiteral("verloren"));
    EXPECT_FALSE(QFile::exists(QDir(env.ordner()).filePath(QStringLiteral("fehlt"))));
    const QString datei = QDir(env.ordner()).filePath(QStringLiteral("datei"));
    {
        QFile f(datei);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    setLogFolder(datei);
    KommunLogSchreiben(QStringLiteral("verloren"));
    EXPECT_EQ(QFileInfo(datei).size(), 0);
    EXPECT_EQ(env.dateien(), (QStringList{QStringLiteral("2008.03.05.log"), QStringLiteral("datei")}));
}

TEST(Logs, AnEntryTheLogFolderRefusesGoesToTheFallbackFolder) {
    LogUmgebung env;
    // A file where the log folder should be, as a read-only working folder would refuse.
    const QString datei = QDir(env.ordner()).filePath(QStringLiteral("datei"));
    {
        QFile f(datei);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    setLogFolder(datei);
    const QString ersatz = QDir(env.ordner()).filePath(QStringLiteral("daten/KavStudio"));
    setLogFallbackFolder(ersatz);
    LogSchreiben(QStringLiteral("eins"));
    FehlerLogSchreiben(QStringLiteral("Error on 0 line"));
    KommunLogSchreiben(QStringLiteral("Lesen     -> 80"));
    const auto inhalt = [&](const char* name) {
        QFile f(QDir(ersatz).filePath(QString::fromLatin1(name)));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    };
    EXPECT_EQ(inhalt("2008.03.05.log"), QByteArray("09:04:07 - eins\r\n")) << "the fallback folder is made";
    EXPECT_EQ(inhalt("Errors_2008.03.05.log"), QByteArray("09:04:07 - Error on 0 line\r\n"));
    EXPECT_EQ(inhalt("Kommun_2008.03.05.log"), QByteArray("09:04:07 - Lesen     -> 80\r\n"));
    EXPECT_EQ(QFileInfo(datei).size(), 0);

    // A log folder that takes the entry keeps it; the fallback stays as it was.
    setLogFolder(env.ordner());
    LogSchreiben(QStringLiteral("zwei"));
    EXPECT_EQ(env.tagesLog(), QByteArray("09:04:07 - zwei\r\n"));
    EXPECT_EQ(inhalt("2008.03.05.log"), QByteArray("09:04:07 - eins\r\n"));
}
