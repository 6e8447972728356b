// Archive URLs, and what an archive that cannot be reached says.
#include <QElapsedTimer>
#include <QFile>

#include "archive_fixture.h"

namespace kav::test {
namespace {

using archive::Location;

TEST(ArchiveLocation, URLsAreTakenApartAndPasswordsRefused) {
    struct Case {
        const char* text;
        Location::Driver driver;
        const char* host;
        int port;
        const char* database;
        bool ok;
    };
    const Case cases[] = {
        {"/home/kav/archive.sqlite", Location::Driver::SQLite, "", 5432, "", true},
        {"postgresql://kav@db.example:6543/quality", Location::Driver::PostgreSQL, "db.example", 6543, "quality", true},
        {"postgres://kav@db/quality", Location::Driver::PostgreSQL, "db", 5432, "quality", true},
        {"postgresql://kav:secret@db/quality", Location::Driver::PostgreSQL, "db", 5432, "quality", false},
        {"postgresql://kav@db/", Location::Driver::PostgreSQL, "db", 5432, "", false},
        {"postgresql://kav@db/quality?sslmode=disable", Location::Driver::PostgreSQL, "db", 5432, "quality", false},
        {"", Location::Driver::SQLite, "", 5432, "", false},
    };
    for (const auto& c : cases) {
        QString error;
        const Location loc = archive::parseLocation(QString::fromLatin1(c.text), error);
        EXPECT_EQ(error.isEmpty(), c.ok) << c.text << ": " << error.toStdString();
        EXPECT_EQ(loc.driver, c.driver) << c.text;
        EXPECT_EQ(loc.host, QLatin1String(c.host)) << c.text;
        EXPECT_EQ(loc.port, c.port) << c.text;
        EXPECT_EQ(loc.database, QLatin1String(c.database)) << c.text;
    }
}

TEST(ArchiveLocation, AnArchiveThatCannotBeReachedIsSaidSoInTime) {
    ensureApplication();
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("plain"));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not a database, and no folder either");
    f.close();
    struct Case {
        QString url;
        archive::Error::Kind kind;
    };
    const Case cases[] = {
        {file + QStringLiteral("/archive.sqlite"), archive::Error::Kind::Unreachable},
        {file, archive::Error::Kind::Unreachable},
        // Nothing listens on port 1; 192.0.2.1 (TEST-NET) never answers.
        {QStringLiteral("postgresql://kav@127.0.0.1:1/kav"), archive::Error::Kind::Unreachable},
        {QStringLiteral("postgresql://kav@192.0.2.1:5432/kav"), archive::Error::Kind::Unreachable},
        {QStringLiteral("postgresql://kav:pw@127.0.0.1/kav"), archive::Error::Kind::BadLocation},
    };
    for (const auto& c : cases) {
        archive::Archive a;
        QElapsedTimer t;
        t.start();
        const archive::Error e = a.open(c.url);
        EXPECT_EQ(e.kind, c.kind) << c.url.toStdString() << ": " << e.message.toStdString();
        EXPECT_FALSE(e.message.isEmpty());
        EXPECT_FALSE(a.isOpen());
        EXPECT_LT(t.elapsed(), (archive::kConnectTimeoutSeconds + 2) * 1000) << c.url.toStdString();
    }
}

TEST(ArchiveSummary, TheColumnsComeFromTheRecordItself) {
    struct Case {
        int type;
        const char* field;
        double value;
    };
    const Case cases[] = {{1, "Impulszahl", 1005}, {2, "AnzahlAbweichungen", 3}, {3, "AnzahlMesswerte", 4}};
    for (const auto& c : cases) {
        const auto s = archive::summarise(recordBytes(5, c.type, "G4711023", "Pumpe", {2031, 12, 24, 23, 1, 2}));
        ASSERT_TRUE(s) << c.type;
        EXPECT_EQ(s->type, c.type);
        EXPECT_EQ(s->taken, QStringLiteral("2031-12-24T23:01:02"));
        EXPECT_EQ(s->encoderSerial, QStringLiteral("G4711023"));
        EXPECT_EQ(s->deviceSerial, QStringLiteral("070123"));
        EXPECT_EQ(s->name, QStringLiteral("Pumpe5"));
        const auto it = std::find_if(s->values.begin(), s->values.end(),
                                     [&](const auto& v) { return v.first == QLatin1String(c.field); });
        ASSERT_NE(it, s->values.end()) << c.field;
        EXPECT_EQ(it->second, c.value);
    }
    EXPECT_FALSE(archive::summarise(recordBytes(1).left(60)));
    EXPECT_FALSE(archive::summarise(QByteArray("PDF")));
}

} // namespace
} // namespace kav::test
