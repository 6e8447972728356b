// The archive on SQLite and PostgreSQL: adding once, finding, exporting,
// importing, the schema from its first version up.
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "archive_fixture.h"
#include "archive_json.h"

namespace kav::test {
namespace {

using archive::Archive;

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QStringList names(const std::vector<archive::ResultRow>& rows) {
    QStringList out;
    for (const auto& r : rows)
        out << r.name;
    return out;
}

TEST_P(ArchiveTest, TheSameBytesAreKeptOnceAndFoundAgain) {
    Archive a;
    open(a);
    const QByteArray bytes = recordBytes(1);
    archive::Added first, second;
    ASSERT_FALSE(a.add({bytes, archive::Source::Online, QStringLiteral("P1"), QStringLiteral("PASS")}, first));
    ASSERT_FALSE(a.add({bytes, archive::Source::Device, std::nullopt, std::nullopt}, second));
    EXPECT_TRUE(first.added);
    EXPECT_FALSE(second.added);
    EXPECT_EQ(second.id, first.id);

    std::optional<archive::StoredResult> r;
    ASSERT_FALSE(a.find(first.id, r));
    ASSERT_TRUE(r);
    EXPECT_EQ(r->bytes, bytes);
    const auto json = archive::detailJson(*r);
    EXPECT_EQ(json["taken"], "2024-03-07T09:05:00");
    EXPECT_EQ(json["source"], "online");
    EXPECT_EQ(json["name"], "Motor1");
    EXPECT_EQ(json["verdict"], "PASS");
    EXPECT_EQ(json["profile"], "P1");
    EXPECT_EQ(json["values"]["Impulszahl"], 1001);

    ASSERT_FALSE(a.find(first.id + 1000, r));
    EXPECT_FALSE(r);
    archive::Added none;
    EXPECT_EQ(a.add({QByteArray("KAX"), archive::Source::File, {}, {}}, none).kind, archive::Error::Kind::NotARecord);
}

TEST_P(ArchiveTest, ListFiltersAndOrdersByTaken) {
    Archive a;
    open(a);
    addSampleResults(a);
    using F = archive::Filter;
    struct Case {
        void (*set)(F&);
        QStringList expected;
    };
    const Case cases[] = {
        {[](F&) {}, {"M2", "M1", "M3", "M4"}},
        {[](F& f) { f.encoderSerial = "A1"; }, {"M1", "M3", "M4"}},
        {[](F& f) { f.since = QDate(2024, 3, 1), f.until = QDate(2024, 3, 31); }, {"M1", "M3"}},
        {[](F& f) { f.until = QDate(2024, 2, 29); }, {"M2"}},
        {[](F& f) { f.type = 1; }, {"M1", "M4"}},
        {[](F& f) { f.verdict = "PASS"; }, {"M1", "M4"}},
        {[](F& f) { f.encoderSerial = "A1", f.deviceSerial = "999999"; }, {}},
    };
    for (const auto& c : cases) {
        std::vector<archive::ResultRow> found;
        F filter;
        c.set(filter);
        ASSERT_FALSE(a.list(filter, found));
        EXPECT_EQ(names(found), c.expected) << c.expected.join(',').toStdString();
    }
    archive::Stats s;
    ASSERT_FALSE(a.stats(s));
    const auto json = archive::statsJson(s);
    EXPECT_EQ(json["total"], 4);
    EXPECT_EQ(json["per_type"]["1"], 2);
    EXPECT_EQ(json["per_verdict"]["PASS"], 2);
    EXPECT_EQ(json["per_verdict"]["none"], 1);
    EXPECT_EQ(json["first_taken"], "2024-02-29T23:59:59");
    EXPECT_EQ(json["last_taken"], "2024-04-01T00:00:00");
}

TEST_P(ArchiveTest, ImportWalksFoldersAndExportGivesTheBytesBack) {
    const QString in = dir.filePath(QStringLiteral("in"));
    writeFile(in + "/a.kav", recordBytes(1));
    writeFile(in + "/sub/b.KAV", recordBytes(2, 3));
    writeFile(in + "/sub/copy.kav", recordBytes(1));
    writeFile(in + "/sub/bad.kav", QByteArray("KAV but nothing more"));
    writeFile(in + "/notes.txt", QByteArray("not walked"));
    Archive a;
    open(a);
    archive::ImportReport report;
    ASSERT_FALSE(a.importPaths({in, in + "/missing.kav"}, report, {2, nullptr}));
    EXPECT_EQ(report.imported, 2);
    EXPECT_EQ(report.alreadyThere, 1);
    EXPECT_EQ(report.notRecords, QStringList{in + "/sub/bad.kav"});
    EXPECT_EQ(report.unreadable, QStringList{in + "/missing.kav"});

    ASSERT_FALSE(a.importPaths({in}, report));
    EXPECT_EQ(report.imported, 0);
    EXPECT_EQ(report.alreadyThere, 3);

    std::vector<archive::ResultRow> rows;
    ASSERT_FALSE(a.list({}, rows));
    ASSERT_EQ(rows.size(), 2u);
    QStringList written;
    const QString out = dir.filePath(QStringLiteral("out"));
    ASSERT_FALSE(a.exportResults({rows[0].id, rows[1].id, rows[0].id}, out, written));
    ASSERT_EQ(written.size(), 3);
    EXPECT_EQ(QFileInfo(written[0]).fileName(), QStringLiteral("Motor1_20240307-090500.kav"));
    EXPECT_NE(written[2], written[0]);
    for (int i = 0; i < 3; ++i) {
        QFile f(written[i]);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), recordBytes(i == 1 ? 2 : 1, i == 1 ? 3 : 1));
    }
    EXPECT_EQ(a.exportResults({rows[1].id + 1000}, out, written).kind, archive::Error::Kind::NotFound);
}

TEST_P(ArchiveTest, TheSchemaIsBroughtUpFromItsFirstVersion) {
    archive::Added added;
    {
        Archive a;
        open(a, 1);
        EXPECT_EQ(a.schemaVersion(), 1);
        ASSERT_FALSE(a.add({recordBytes(7), archive::Source::File, {}, {}}, added));
    }
    Archive a;
    open(a);
    EXPECT_EQ(a.schemaVersion(), archive::kSchemaVersion);
    std::optional<archive::StoredResult> r;
    ASSERT_FALSE(a.find(added.id, r));
    ASSERT_TRUE(r);
    EXPECT_EQ(r->bytes, recordBytes(7));
    EXPECT_FALSE(r->values.empty()); // filled from the bytes by the migration
}

TEST_P(ArchiveTest, ASchemaNewerThanOursIsNotTouched) {
    {
        Archive a;
        open(a);
    }
    {
        QString problem;
        const auto loc = archive::parseLocation(url, problem);
        const QString name = QStringLiteral("newer");
        {
            auto db = QSqlDatabase::addDatabase(
                loc.driver == archive::Location::Driver::SQLite ? QStringLiteral("QSQLITE") : QStringLiteral("QPSQL"),
                name);
            db.setDatabaseName(loc.driver == archive::Location::Driver::SQLite ? loc.path : loc.database);
            db.setHostName(loc.host);
            db.setPort(loc.port);
            db.setUserName(loc.user);
            ASSERT_TRUE(db.open());
            ASSERT_TRUE(QSqlQuery(db).exec(QStringLiteral("INSERT INTO schema_version VALUES (99, 'x')")));
        }
        QSqlDatabase::removeDatabase(name);
    }
    Archive a;
    const archive::Error e = a.open(url);
    EXPECT_EQ(e.kind, archive::Error::Kind::Unreachable);
    EXPECT_TRUE(e.message.contains(QStringLiteral("99"))) << e.message.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Databases, ArchiveTest, testing::Values(Backend::SQLite, Backend::PostgreSQL), backendName);

} // namespace
} // namespace kav::test
