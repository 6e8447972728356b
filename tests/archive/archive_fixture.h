#pragma once
// The archive under test on each database: SQLite in a temporary folder, and
// PostgreSQL when KAV_TEST_PG_URL names a server (scripts/pg_test_server.sh).
// Without one the PostgreSQL cases are skipped; with KAV_REQUIRE_PG=1 (CI)
// they fail instead.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "archive.h"
#include "record_file.h"
#include "sample_records.h"

namespace kav::test {

enum class Backend { SQLite, PostgreSQL };

inline std::string backendName(const testing::TestParamInfo<Backend>& info) {
    return info.param == Backend::SQLite ? "SQLite" : "PostgreSQL";
}

// Qt loads its SQL drivers only with an application object.
inline void ensureApplication() {
    static int argc = 1;
    static char name[] = "archive_tests";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        new QCoreApplication(argc, argv);
}

// A record file's bytes; `n` makes it differ from every other n.
inline QByteArray recordBytes(int n, int type = 1, const std::string& geber = "G4711023", const std::string& name = "Motor",
                              LocalTime zeit = {2024, 3, 7, 9, 5, 0}) {
    const records::KopfTexte kopf{"1.02", geber, "070123", name + std::to_string(n)};
    records::Dateiinhalt d;
    if (type == 1) {
        auto w = beispielAktuell();
        w.Impulszahl = 1000 + n;
        d = records::DateiSchreiben1(w, kopf, zeit);
    } else if (type == 2) {
        d = records::DateiSchreiben2(beispielSchlechtimpulse(), kopf, zeit);
    } else {
        d = records::DateiSchreiben3(beispielDrehschwebung(4), kopf, zeit);
    }
    return QByteArray::fromStdString(d.bytes);
}

// Four results M1..M4 of the encoders A1 and B2 from February to April 2024,
// of types 1, 2, 3, 1, judged PASS, -, FAIL, PASS; their ids in that order.
inline std::vector<qint64> addSampleResults(archive::Archive& a) {
    struct Row {
        int n, type;
        const char* geber;
        LocalTime zeit;
        const char* verdict;
    };
    const Row rows[] = {
        {1, 1, "A1", {2024, 3, 7, 9, 0, 0}, "PASS"},
        {2, 2, "B2", {2024, 2, 29, 23, 59, 59}, nullptr},
        {3, 3, "A1", {2024, 3, 31, 0, 0, 0}, "FAIL"},
        {4, 1, "A1", {2024, 4, 1, 0, 0, 0}, "PASS"},
    };
    std::vector<qint64> ids;
    for (const auto& r : rows) {
        archive::Added added;
        const archive::Error e =
            a.add({recordBytes(r.n, r.type, r.geber, "M", r.zeit), archive::Source::File, std::nullopt,
                   r.verdict ? std::optional<QString>(QString::fromLatin1(r.verdict)) : std::nullopt},
                  added);
        EXPECT_FALSE(e) << e.message.toStdString();
        ids.push_back(added.id);
    }
    return ids;
}

class ArchiveTest : public testing::TestWithParam<Backend> {
protected:
    void SetUp() override {
        ensureApplication();
        ASSERT_TRUE(dir.isValid());
        if (GetParam() == Backend::SQLite) {
            url = dir.filePath(QStringLiteral("archive.sqlite"));
            return;
        }
        url = qEnvironmentVariable("KAV_TEST_PG_URL");
        if (url.isEmpty()) {
            if (qEnvironmentVariable("KAV_REQUIRE_PG") == QLatin1String("1"))
                FAIL() << "KAV_REQUIRE_PG=1 but KAV_TEST_PG_URL names no server";
            GTEST_SKIP() << "no PostgreSQL server (KAV_TEST_PG_URL)";
        }
        dropTables();
    }

    // Every case starts from an empty database.
    void dropTables() {
        const QString name = QStringLiteral("drop");
        {
            QString problem;
            const auto loc = archive::parseLocation(url, problem);
            auto db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
            db.setHostName(loc.host);
            db.setPort(loc.port);
            db.setUserName(loc.user);
            db.setDatabaseName(loc.database);
            ASSERT_TRUE(db.open());
            QSqlQuery(QStringLiteral("DROP TABLE IF EXISTS result_values, results, schema_version"), db);
        }
        QSqlDatabase::removeDatabase(name);
    }

    void open(archive::Archive& a, int version = archive::kSchemaVersion) {
        const archive::Error e = a.open(url, version);
        ASSERT_FALSE(e) << e.message.toStdString();
    }

    QTemporaryDir dir;
    QString url;
};

} // namespace kav::test
